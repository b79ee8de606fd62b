#include "game_message.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QWidget>

namespace vorlin {

namespace {

// Long paths have no spaces, so the box could not wrap them: a break is allowed after each
// folder separator (a zero-width space, which the player does not see).
QString breakablePaths(const QString& text) {
    QString breakable = text;
    breakable.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
    return breakable;
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
    box.setText(breakablePaths(text));
}

} // namespace vorlin
