#pragma once

#include <QLabel>
#include <QPixmap>
#include <QRect>
#include <QString>

#include <string>

class QPainter;
class QPaintDevice;

// The pass card: where each of its fields sits (in twips, 1440 to the inch)
// and in which font, shared by the card on screen and the card on paper.
namespace PassCard {

struct Field {
    const char* name; // the on-screen control's name
    QRect twips;
    const char* family;
    double points;
    bool bold;
    // Drawn on the card's own colour, so that a frame line it runs over
    // gives way to the text.
    bool backed = false;
};

inline constexpr QSize CardTwips{5730, 3750};
inline constexpr QRect OutlineTwips{60, 75, 5625, 3615};
inline constexpr QRect LogoFrameTwips{4095, 90, 1590, 855};
inline constexpr QRect PhotoFrameTwips{75, 75, 1695, 2175};
inline constexpr QRect PhotoTwips{-495, 225, 2700, 2010};
inline constexpr QRect DeptBoxTwips{1830, 1710, 3705, 375};
inline constexpr QRect LogoTwips{4230, 75, 1440, 735};
inline constexpr QRect BarcodeTwips{2040, 3150, 3555, 420};

const Field& FirmName();
const Field& Name();
const Field& Organisation();
const Field& ReportsTo();
const Field& Department();
const Field& Validity();
const Field& ValidFromLabel();
const Field& ValidFrom();
const Field& IssuedLabel();
const Field& Issued();
const Field& RegNoLine();

// A font of the card at a resolution, sized in pixels.
QFont FontAt(const Field& field, double dpi);
QRectF At(const QRect& twips, double dpi);

// What a card shows.
struct Content {
    QString firmName;
    QString name;
    QString organisation;
    QString department;
    QString validity;
    QString validFrom;
    QString issued;
    QString regNo; // the number alone: the line reads "No. " and it, the barcode encodes it
    QPixmap photo;
    QPixmap logo; // null: no logo
    bool showBarcode = false;
};

// The paper card, white, drawn at the top left corner of a device whose
// resolution is dpi dots to the inch.
void Paint(QPainter& painter, const Content& card, double dpi);
void Paint(QPaintDevice& device, const Content& card, double dpi);

// The Code 39 bars of text drawn across rect, quiet zones included.
void PaintBarcode(QPainter& painter, const QRectF& rect, const std::string& text);

} // namespace PassCard

// A label that shows "*number*" as the number's Code 39 bars.
class BarcodeLabel : public QLabel {
    Q_OBJECT
  public:
    explicit BarcodeLabel(QWidget* parent) : QLabel(parent) {}

  protected:
    void paintEvent(QPaintEvent* event) override;
};
