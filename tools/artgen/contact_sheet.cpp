#include "contact_sheet.h"

#include "sheet_layout.h"

#include <QFont>
#include <QPainter>

namespace artgen {

namespace {

constexpr int kSheetWidth = 1990;
constexpr int kFieldsPerRow = 3;
constexpr int kMargin = 12;
constexpr int kTitleHeight = 18;
const QColor kPaper(0x30, 0x34, 0x40);
const QColor kBackdrop(0x70, 0x80, 0x98);
const QColor kGrid(0xFF, 0x40, 0xFF);
const QColor kText(0xFF, 0xFF, 0xFF);

const char* const kSchemeTitles[layout::kSchemeCount] = {
    "La stanza dei giochi", "La foresta",           "La circolazione - i sentimenti",
    "Il dolce zucchero",    "La città - Catanzaro", "L'effimero"};

// Where the review scene puts things, in world x and window y, with the view not scrolled.
constexpr int kLiftY = 300;
constexpr int kRiderX = 104;
constexpr int kWalkerX = 300;
constexpr int kWalkerY = 329;
constexpr int kBananaX = 430;
constexpr int kBananaY = 144;
constexpr QPoint kCrystals[] = {{250, 40}, {380, 170}, {520, 260}, {600, 60}, {160, 350}};

QFont labelFont(int pixels) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

} // namespace

QImage ContactSheet::composeField(int scheme) const {
    using namespace layout;
    QImage frame = art_.backgrounds[scheme - 1].copy();
    const int liftTop = kLiftY + kLiftDrawOffset[scheme - 1];
    if (scheme == kRopeScheme)
        art_.backRope.drawCell(frame, 1, 1, {kLeftLiftX, kLiftY - kBackRopeAboveLift});
    for (const int y : kPlatformYs)
        art_.platforms.drawCell(frame, 1, scheme, {kPlatformX, y});
    art_.grounds.drawCell(frame, 1, scheme, {kPlatformX, kGroundY});
    art_.walls.drawCell(frame, 1, scheme, {kWallX, kWallY});
    art_.lifts.drawCell(frame, scheme, 1 + scheme % kLiftFrames, {kLeftLiftX, liftTop});
    art_.bananas.drawCell(frame, scheme, 1, {kBananaX, kBananaY});
    art_.character.drawCell(frame, 2, kStandRow, {kRiderX, kLiftY - kFeetBelowFrameTop});
    art_.character.drawCell(frame, 1, 1 + scheme, {kWalkerX, kWalkerY});
    if (scheme == kRopeScheme)
        art_.frontRope.drawCell(frame, 1, 1, {kLeftLiftX, kLiftY - kFrontRopeAboveLift});
    int frameRow = 1;
    for (const QPoint at : kCrystals)
        art_.objects.drawCell(frame, scheme, frameRow++, at);
    return frame;
}

void ContactSheet::placePicture(QPainter& p, QPoint& cursor, int& rowHeight, const QString& title,
                                const QImage& picture, int scale) const {
    const QSize size = picture.size() * scale;
    if (cursor.x() + size.width() > kSheetWidth - kMargin) {
        cursor = QPoint(kMargin, cursor.y() + rowHeight + kMargin);
        rowHeight = 0;
    }
    p.setPen(kText);
    p.setFont(labelFont(13));
    p.drawText(QPoint(cursor.x(), cursor.y() + 13), title);
    p.drawImage(QRect(cursor + QPoint(0, kTitleHeight), size), picture);
    rowHeight = std::max(rowHeight, size.height() + kTitleHeight);
    cursor.rx() += std::max(size.width(), 120) + kMargin;
}

void ContactSheet::placeSheet(QPainter& p, QPoint& cursor, int& rowHeight, const QString& title,
                              const MaskedSheet& sheet, int scale) const {
    QImage view(sheet.colour().size(), QImage::Format_RGB32);
    view.fill(kBackdrop);
    for (int column = 1; column <= sheet.columns(); ++column)
        for (int row = 1; row <= sheet.rows(); ++row)
            sheet.drawCell(view, column, row,
                           {(column - 1) * sheet.cellWidth(), (row - 1) * sheet.cellHeight()});
    QImage scaled = view.scaled(view.size() * scale);
    {
        QPainter grid(&scaled);
        grid.setFont(labelFont(10));
        for (int column = 1; column <= sheet.columns(); ++column) {
            for (int row = 1; row <= sheet.rows(); ++row) {
                const QRect cell((column - 1) * sheet.cellWidth() * scale,
                                 (row - 1) * sheet.cellHeight() * scale, sheet.cellWidth() * scale,
                                 sheet.cellHeight() * scale);
                grid.setPen(kGrid);
                grid.drawRect(cell.adjusted(0, 0, -1, -1));
                grid.drawText(cell.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                              QStringLiteral("%1,%2").arg(column).arg(row));
            }
        }
    }
    placePicture(p, cursor, rowHeight, title, scaled, 1);
}

QImage ContactSheet::compose() const {
    using namespace layout;
    const int fieldRows = (kSchemeCount + kFieldsPerRow - 1) / kFieldsPerRow;
    const int fieldsHeight = fieldRows * (kScreenHeight + kTitleHeight + kMargin);
    constexpr int kSheetsHeight = 3600;
    QImage sheet(kSheetWidth, fieldsHeight + kSheetsHeight, QImage::Format_RGB32);
    sheet.fill(kPaper);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    QPoint cursor(0, 0);
    int rowHeight = 0;
    for (int scheme = 1; scheme <= kSchemeCount; ++scheme) {
        const QString title =
            QStringLiteral("%1: %2").arg(scheme).arg(QString::fromUtf8(kSchemeTitles[scheme - 1]));
        placePicture(p, cursor, rowHeight, title, composeField(scheme), 1);
    }
    cursor = QPoint(kMargin, fieldsHeight);
    rowHeight = 0;
    placeSheet(p, cursor, rowHeight, QStringLiteral("VorlinS/VorlinN x2"), art_.character, 2);
    placeSheet(p, cursor, rowHeight, QStringLiteral("W1 x4"), art_.objects, 4);
    placeSheet(p, cursor, rowHeight, QStringLiteral("Elica"), art_.lifts, 1);
    placeSheet(p, cursor, rowHeight, QStringLiteral("Banana"), art_.bananas, 1);
    placeSheet(p, cursor, rowHeight, QStringLiteral("Muro x2"), art_.walls, 2);
    placeSheet(p, cursor, rowHeight, QStringLiteral("CordaDi"), art_.backRope, 1);
    placeSheet(p, cursor, rowHeight, QStringLiteral("CordaDa"), art_.frontRope, 1);
    placeSheet(p, cursor, rowHeight, QStringLiteral("Base"), art_.platforms, 1);
    placeSheet(p, cursor, rowHeight, QStringLiteral("BaseBis"), art_.grounds, 1);
    placeSheet(p, cursor, rowHeight, QStringLiteral("Pausa x2"), art_.pauseSign, 2);
    placePicture(p, cursor, rowHeight, QStringLiteral("Image1"), art_.authorPicture, 1);
    placePicture(p, cursor, rowHeight, QStringLiteral("Image2"), art_.recordPanelStrip, 1);
    placePicture(p, cursor, rowHeight, QStringLiteral("icon x4"), art_.windowIcon, 4);
    placePicture(p, cursor, rowHeight, QStringLiteral("BuioCol"), art_.darkness, 1);
    p.end();
    return sheet.copy(0, 0, kSheetWidth,
                      std::min(sheet.height(), cursor.y() + rowHeight + kMargin));
}

} // namespace artgen
