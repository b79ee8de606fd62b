#include "game_message.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QWidget>

namespace vorlin {

namespace {

// A long path wraps after its folder separators; the one that starts it is joined to the first
// folder's name (an invisible word joiner), so that no line ends in a lone "(/".
QString withPathStartsJoined(const QString& text) {
    QString joined;
    for (qsizetype at = 0; at < text.size(); ++at) {
        joined += text[at];
        const bool startsPath = at == 0 || text[at - 1].isSpace() || text[at - 1] == u'(';
        if (text[at] == u'/' && startsPath) joined += QChar(0x2060);
    }
    return joined;
}

// The window on the screen that shows a widget: a form put into a scene is shown by the view
// of that scene.
QWidget* windowOnScreen(QWidget* widget) {
    QWidget* top = widget->window();
    if (const QGraphicsProxyWidget* proxy = top->graphicsProxyWidget())
        if (const QGraphicsScene* scene = proxy->scene(); scene && !scene->views().isEmpty())
            return scene->views().first()->window();
    return top;
}

} // namespace

QMessageBox* newGameMessage(QWidget* gameWindow, QMessageBox::Icon icon, const QString& text) {
    auto* box = new QMessageBox(icon, QStringLiteral("Vorlin"), {}, QMessageBox::Ok,
                                gameWindow ? windowOnScreen(gameWindow) : nullptr);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(gameWindow ? Qt::WindowModal : Qt::ApplicationModal);
    box->setTextFormat(Qt::PlainText);
    setGameMessageText(*box, text);
    // Esc closes it as OK does.
    box->setEscapeButton(QMessageBox::Ok);
    box->setDefaultButton(QMessageBox::Ok);
    return box;
}

void setGameMessageText(QMessageBox& box, const QString& text) {
    box.setText(withPathStartsJoined(text));
}

} // namespace vorlin
