#pragma once

#include <QString>

#include <string>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// The boundary between the booking boxes of a window and the booking fields:
// the fields are bytes, one per character (ISO-8859-1), and multi-line fields
// keep their line breaks as CR LF.
namespace BookingBoxes {

// The text without the characters a booking file cannot hold (a surrogate pair
// is one character). cursor, when given, is moved along with the text before it.
QString Latin1Only(const QString& text, int* cursor = nullptr);

// Single-line boxes refuse what a booking file cannot hold as it is typed or
// pasted; accept, when given, narrows what they take further. Stored fields
// are shown through ShowText, which keeps them as they are.
void KeepLatin1(QLineEdit* box, bool (*accept)(int ch) = nullptr);

// Shows a field; a value longer than the box's limit widens the limit rather
// than being cut.
void ShowText(QLineEdit* box, const std::string& field);
// Shows a field that must be read whole (a booking number, a pick-list
// value), the box widening to its text when it is too narrow.
void ShowWhole(QLineEdit* box, const std::string& field);

// Multi-line boxes: the box breaks lines with "\n".
std::string NotesToBytes(const QString& text);
QString NotesFromBytes(const std::string& bytes);
// Characters made storable and, when maxStored > 0, typed or pasted text cut
// so the notes fit maxStored characters as the booking file stores them.
void KeepNotesStorable(QPlainTextEdit* box, int maxStored = 0);
// Shows notes in the box, widening its limit for a longer value already held.
void ShowNotes(QPlainTextEdit* box, const QString& text);

// The parts the detail windows are built from; each named by its objectName.
// Apart from Widgets' makers: each is bound to a booking field, keeping only what its file can hold.
// A box that only shows a field: read-only, passed over by Tab.
QLineEdit* ShownBox(QWidget* parent, const char* name, int chars);
// A box that edits a field of the given width.
QLineEdit* EditBox(QWidget* parent, const char* name, int width, const char* toolTip = nullptr);
// A multi-line box (see KeepNotesStorable).
QPlainTextEdit* NotesBox(QWidget* parent, const char* name, int maxStored = 0);
// A drop-down that shows the field's text whatever it is but takes new values
// only from its list; a click on the text opens the list.
void MakeListOnly(QComboBox* box);
QComboBox* PickBox(QWidget* parent, const char* name, const QString& designText, int chars);
// Widens the box's open list to its widest item (the box keeps its own
// width); run after the list is filled.
void FitListToItems(QComboBox* box);

} // namespace BookingBoxes
