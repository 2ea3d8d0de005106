#include "ui/passes/PassCard.h"

#include "core/passes/Code39.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace PassCard {

namespace {
constexpr const char* Arial = "Arial";
constexpr const char* ArialNarrow = "Arial Narrow";
const QColor ValidityRed(255, 0, 0);
} // namespace

const Field& FirmName() {
    static const Field f{"FirmNameTB", {120, 30, 3750, 180}, Arial, 6.75, false, true};
    return f;
}
const Field& Name() {
    static const Field f{"PassNameTB", {1800, 840, 3690, 360}, Arial, 14.25, true, true};
    return f;
}
const Field& Organisation() {
    static const Field f{"PassOrganTB", {1800, 1170, 3765, 300}, Arial, 9.75, true};
    return f;
}
const Field& ReportsTo() {
    static const Field f{"Text4", {1815, 1485, 960, 210}, ArialNarrow, 6.75, false};
    return f;
}
const Field& Department() {
    static const Field f{"PassDeptTB", {1875, 1770, 3615, 285}, Arial, 9.75, true};
    return f;
}
const Field& Validity() {
    static const Field f{"PASSValidTB", {165, 2265, 5430, 420}, Arial, 18, true};
    return f;
}
const Field& ValidFromLabel() {
    static const Field f{"Label2", {705, 2745, 960, 240}, Arial, 8.25, false};
    return f;
}
const Field& ValidFrom() {
    static const Field f{"PassDateTB", {1665, 2730, 1200, 240}, Arial, 9, true};
    return f;
}
const Field& IssuedLabel() {
    static const Field f{"Label3", {2850, 2745, 705, 240}, Arial, 8.25, false};
    return f;
}
const Field& Issued() {
    static const Field f{"PassTimeTB", {3555, 2730, 1850, 240}, Arial, 9, true};
    return f;
}
const Field& RegNoLine() {
    static const Field f{"PassRegOPTB", {255, 3240, 1695, 315}, Arial, 9, true};
    return f;
}

QFont FontAt(const Field& field, double dpi) {
    QFont f(QString::fromLatin1(field.family));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(field.points * dpi / 72.0))));
    f.setBold(field.bold);
    return f;
}

QRectF At(const QRect& t, double dpi) {
    const double k = dpi / 1440.0;
    return {t.x() * k, t.y() * k, t.width() * k, t.height() * k};
}

void PaintBarcode(QPainter& painter, const QRectF& rect, const std::string& text) {
    const Passes::Code39Symbol symbol = Passes::EncodeCode39(text);
    if (symbol.bars.empty())
        return;
    // Readers need a blank margin of ten narrow bars on each side.
    constexpr double QuietModules = 10;
    const double module = rect.width() / (symbol.widthModules + 2 * QuietModules);
    const double left = rect.x() + QuietModules * module;
    for (const Passes::Bar& bar : symbol.bars)
        painter.fillRect(QRectF(left + bar.x * module, rect.y(), bar.width * module, rect.height()), Qt::black);
}

namespace {
void text(QPainter& p, const Field& f, const QString& s, double dpi, int align = Qt::AlignLeft | Qt::AlignTop) {
    p.setFont(FontAt(f, dpi));
    const QRectF place = At(f.twips, dpi);
    const int flags = align | Qt::TextSingleLine;
    if (f.backed && !s.isEmpty())
        p.fillRect(p.boundingRect(place, flags, s).intersected(place), Qt::white);
    p.drawText(place, flags, s);
}

// The photo fills its place keeping its shape, seen through the photo frame.
void photo(QPainter& p, const QPixmap& pm, double dpi) {
    if (pm.isNull())
        return;
    const QRectF place = At(PhotoTwips, dpi);
    QSizeF size = pm.size();
    size.scale(place.size(), Qt::KeepAspectRatio);
    const QRectF target(place.center().x() - size.width() / 2, place.center().y() - size.height() / 2, size.width(),
                        size.height());
    p.save();
    p.setClipRect(At(PhotoFrameTwips, dpi));
    p.drawPixmap(target, pm, pm.rect());
    p.restore();
}
} // namespace

void Paint(QPainter& p, const Content& c, double dpi) {
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setClipRect(At(QRect(QPoint(0, 0), CardTwips), dpi));
    p.fillRect(At(QRect(QPoint(0, 0), CardTwips), dpi), Qt::white);
    photo(p, c.photo, dpi);
    const QPen thin(Qt::black, std::max(1.0, dpi / 96.0));
    p.setPen(thin);
    p.setBrush(Qt::NoBrush);
    p.drawRect(At(OutlineTwips, dpi));
    p.drawRect(At(PhotoFrameTwips, dpi));
    p.drawRect(At(DeptBoxTwips, dpi));
    if (!c.logo.isNull()) {
        p.drawRect(At(LogoFrameTwips, dpi));
        p.drawPixmap(At(LogoTwips, dpi), c.logo, c.logo.rect());
    }
    text(p, FirmName(), c.firmName, dpi);
    text(p, Name(), c.name, dpi);
    text(p, Organisation(), c.organisation, dpi);
    text(p, ReportsTo(), QStringLiteral("REPORTS TO:"), dpi);
    text(p, Department(), c.department, dpi);
    text(p, ValidFromLabel(), QStringLiteral("Valid From:"), dpi);
    text(p, ValidFrom(), c.validFrom, dpi);
    text(p, IssuedLabel(), QStringLiteral("Issued:"), dpi);
    text(p, Issued(), c.issued, dpi);
    text(p, RegNoLine(), QStringLiteral("No. ") + c.regNo, dpi);
    p.setPen(ValidityRed);
    text(p, Validity(), c.validity, dpi, Qt::AlignHCenter | Qt::AlignTop);
    if (c.showBarcode)
        PaintBarcode(p, At(BarcodeTwips, dpi), c.regNo.toStdString());
    p.restore();
}

void Paint(QPaintDevice& device, const Content& card, double dpi) {
    QPainter p(&device);
    Paint(p, card, dpi);
}

} // namespace PassCard

void BarcodeLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    QString number = text();
    if (number.startsWith(u'*') && number.endsWith(u'*') && number.size() >= 2)
        number = number.mid(1, number.size() - 2);
    PassCard::PaintBarcode(p, QRectF(rect()), number.toStdString());
}
