#include "platform/Grid.h"
#include "TempFolder.h"
#include "UiTestSupport.h"
#include "core/Clock.h"
#include "core/desk/BookingRecord.h"
#include "core/desk/MonthList.h"
#include "core/desk/SearchFields.h"
#include "platform/GridModel.h"
#include "platform/GridRowSource.h"
#include "platform/ListGrid.h"

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <utility>

namespace {

void sendMouse(QWidget* target, QPoint at, bool doubleClick = false) {
    const QPoint global = target->mapToGlobal(at);
    QMouseEvent press(doubleClick ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

void clickCell(Grid& g, int row, int col, bool twice = false) {
    const QPoint at = g.visualRect(g.model()->index(row, col)).center();
    sendMouse(g.viewport(), at);
    if (twice)
        sendMouse(g.viewport(), at, true);
}

void clickHeading(Grid& g, int col) {
    QHeaderView* h = g.horizontalHeader();
    sendMouse(h->viewport(), QPoint(h->sectionViewportPosition(col) + h->sectionSize(col) / 2, h->height() / 2));
}

void sendKey(QWidget* target, int key, const QString& text = QString(), Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(target, &release);
}

void typeChar(QWidget* target, char c) {
    const int key = c >= 'a' && c <= 'z' ? Qt::Key_A + (c - 'a') : c;
    sendKey(target, key, QString(QChar(c)));
}

void settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QLineEdit* openEditor(Grid& g) {
    auto* e = g.viewport()->findChild<QLineEdit*>();
    return e && e->isVisible() ? e : nullptr;
}

struct ShownGrid {
    Grid grid;
    ShownGrid(int rows, int cols) {
        grid.resize(640, 420);
        grid.setCols(cols);
        grid.setRows(rows);
        grid.show();
        settle();
    }
};

std::string text(Grid& g, int r, int c) {
    return g.Cell(r, c).Text().toStdString();
}

// count booking lines numbered "240301000000" on, each booked on every day;
// the list's rows are added by the test.
struct Lines {
    std::shared_ptr<Lists::BookingList> list;
    explicit Lines(int count, const std::string& lastName = "Lee") {
        std::string bytes;
        for (int i = 0; i < count; ++i) {
            BookingFields rec;
            rec.RegNo = RegNo(i);
            rec.FirstName = "Ann";
            rec.LastName = lastName;
            TimeCellTexts cells;
            cells.fill("09:30");
            bytes += BuildBookingLine(rec, cells) + "\r\n";
        }
        list = std::make_shared<Lists::BookingList>(std::move(bytes));
    }
    static std::string RegNo(int i) {
        char text[16];
        std::snprintf(text, sizeof text, "240301%06d", i);
        return text;
    }
    std::string_view line(int i) const {
        return std::string_view(list->Bytes())
            .substr(static_cast<std::size_t>(i) * (BookingLineLength + 2), BookingLineLength);
    }
};

} // namespace

// Rows of "s<row>c<col>" in colour 100 * row + col.
class NumberedRows : public GridRowSource {
  public:
    explicit NumberedRows(int rows) : rows_(rows) {}
    int rowCount() const override { return rows_; }
    std::string_view text(int row, int col, std::string& scratch) const override {
        scratch = "s" + std::to_string(row) + "c" + std::to_string(col);
        return scratch;
    }
    long foreColor(int row, int col) const override { return 100L * row + col; }

  private:
    int rows_;
};

TEST(Grid, TextsAndColoursSurviveEveryChangeOfShape) {
    // Random edits of every size against a plain copy: growing and shrinking
    // texts in any row, colours, rows and columns added, dropped and removed,
    // over rows of a source that written cells override.
    GridModel m;
    std::map<std::pair<int, int>, std::string> ref;
    std::map<std::pair<int, int>, long> refColour;
    int rows = 0, cols = 6;
    m.setCols(cols);
    std::vector<int> sourceRow; // per grid row, -1 for the grid's own
    auto forget = [](auto& cells, auto gone) {
        for (auto it = cells.begin(); it != cells.end();)
            it = gone(it->first) ? cells.erase(it) : std::next(it);
    };
    auto showSource = [&](int n) {
        m.setRowSource(std::make_shared<NumberedRows>(n));
        auto below = [](std::pair<int, int> cell) { return cell.first > 0; };
        forget(ref, below);
        forget(refColour, below);
        rows = 1 + n;
        sourceRow.assign(static_cast<std::size_t>(rows), -1);
        for (int r = 1; r < rows; ++r)
            sourceRow[static_cast<std::size_t>(r)] = r - 1;
    };
    showSource(30);
    std::mt19937 rnd(7);
    auto pick = [&](int n) { return static_cast<int>(rnd() % static_cast<unsigned>(n)); };
    for (int step = 0; step < 20000; ++step) {
        const int op = pick(100);
        if (op == 0) {
            showSource(pick(40));
        } else if (op < 80) {
            const int r = pick(rows), c = pick(cols);
            const int len = pick(10) == 0 ? pick(200) : pick(12);
            std::string t(static_cast<std::size_t>(len), static_cast<char>('a' + step % 26));
            if (pick(20) == 0) { // a text taken from the grid itself
                const int r2 = pick(rows), c2 = pick(cols);
                t = std::string(m.text(r2, c2));
                m.setText(r, c, m.text(r2, c2));
            } else {
                m.setText(r, c, t);
            }
            ref[{r, c}] = t;
        } else if (op < 85) {
            const int r = pick(rows), c = pick(cols);
            const long colour = pick(3) == 0 ? 0 : 0x10000L * pick(256);
            m.setForeColor(r, c, colour);
            refColour[{r, c}] = colour;
        } else if (op < 92) {
            const int n = pick(60);
            m.setRows(n);
            auto past = [n](std::pair<int, int> cell) { return cell.first >= n; };
            forget(ref, past);
            forget(refColour, past);
            rows = std::max(n, 1);
            m.setRows(rows);
            sourceRow.resize(std::min(sourceRow.size(), static_cast<std::size_t>(n)));
            sourceRow.resize(static_cast<std::size_t>(rows), -1);
        } else if (op < 96) {
            const int n = 1 + pick(8);
            m.setCols(n);
            auto past = [n](std::pair<int, int> cell) { return cell.second >= n; };
            forget(ref, past);
            forget(refColour, past);
            cols = n;
        } else if (rows > 1) {
            const int r = pick(rows);
            m.removeRow(r);
            auto moveUp = [r](auto& cells) {
                std::remove_reference_t<decltype(cells)> moved;
                for (auto& [k, v] : cells)
                    if (k.first != r)
                        moved[{k.first > r ? k.first - 1 : k.first, k.second}] = v;
                cells.swap(moved);
            };
            moveUp(ref);
            moveUp(refColour);
            sourceRow.erase(sourceRow.begin() + r);
            --rows;
        }
        if (step % 500 == 0 || step == 19999) {
            ASSERT_EQ(m.rows(), rows);
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < cols; ++c) {
                    const int s = sourceRow[static_cast<std::size_t>(r)];
                    auto it = ref.find({r, c});
                    const std::string sourced =
                        s < 0 ? std::string() : "s" + std::to_string(s) + "c" + std::to_string(c);
                    ASSERT_EQ(std::string(m.text(r, c)), it == ref.end() ? sourced : it->second)
                        << "step " << step << " cell " << r << "," << c;
                    auto colour = refColour.find({r, c});
                    ASSERT_EQ(m.foreColor(r, c), colour != refColour.end() ? colour->second
                                                 : s < 0                   ? 0
                                                                           : 100L * s + c)
                        << "step " << step << " cell " << r << "," << c;
                }
        }
    }
}

TEST(Grid, ShowListLaysOutAListAndDrawsItsRowsFromIt) {
    ShownGrid s(10, 3);
    Grid& g = s.grid;
    g.Cell(5, 2).setText(QStringLiteral("old"));
    g.Column(2).setWidth(0);
    Lines lines(2);
    lines.list->Add(lines.line(0), 3, Lists::DateTone::Earlier);
    lines.list->Add(lines.line(0), 15, Lists::DateTone::Today);
    lines.list->Add(lines.line(1), 30, Lists::DateTone::Later);
    ShowList(g, Lists::MonthList, lines.list);
    settle();
    EXPECT_EQ(g.Rows(), 53);
    EXPECT_EQ(g.Cols(), 19);
    EXPECT_EQ(text(g, 0, 4) + "|" + text(g, 0, 17) + "|" + text(g, 0, 18), "Day|Contact|");
    EXPECT_EQ(text(g, 1, 0) + "|" + text(g, 1, 2) + "|" + text(g, 1, 4) + "|" + text(g, 1, 5),
              "240301000000|Lee|03|09:30");
    EXPECT_EQ(text(g, 2, 4), "15");
    EXPECT_EQ(text(g, 3, 0) + text(g, 3, 4), "24030100000130");
    EXPECT_EQ(text(g, 4, 0) + text(g, 52, 0) + text(g, 5, 2), ""); // spare rows
    EXPECT_EQ(CellTextColour(&g, 1, 0), 0);
    EXPECT_EQ(CellTextColour(&g, 1, 1), 0x808080);
    EXPECT_EQ(CellTextColour(&g, 2, 17), 0xA00000);
    EXPECT_EQ(CellTextColour(&g, 3, 3), 0);
    EXPECT_EQ(g.Cell(2, 0).BackColor(), 0xE0E0E0);
    EXPECT_EQ(g.columnWidth(3), 180);
    EXPECT_FALSE(g.isColumnHidden(2));
    EXPECT_EQ(g.columnWidth(2), 100);
    EXPECT_EQ(g.columnWidth(18), g.horizontalHeader()->defaultSectionSize());
    const auto alignment = [&g](int col) {
        return Qt::Alignment(g.model()->index(1, col).data(Qt::TextAlignmentRole).toInt());
    };
    EXPECT_EQ(alignment(4), Qt::AlignCenter);
    EXPECT_EQ(alignment(1), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(g.CurrentRow(), 1);
    EXPECT_EQ(g.CurrentCol(), 1);

    // Cells written later keep their own text and colour; removing a row
    // takes its own cells along.
    g.Cell(1, 2).setText(QStringLiteral("Okafor"));
    g.Cell(1, 3).setText(QString());
    g.Cell(1, 1).setForeColor(0);
    EXPECT_EQ(text(g, 1, 2) + "|" + text(g, 1, 3) + "|" + text(g, 1, 4), "Okafor||03");
    EXPECT_EQ(CellTextColour(&g, 1, 1), 0);
    EXPECT_EQ(CellTextColour(&g, 1, 2), 0x808080);
    g.RemoveItem(1);
    EXPECT_EQ(g.Rows(), 52);
    EXPECT_EQ(text(g, 1, 2) + "|" + text(g, 1, 4), "Lee|15");
    EXPECT_EQ(CellTextColour(&g, 1, 1), 0xA00000);
    EXPECT_EQ(text(g, 2, 4), "30");

    // The next list replaces all of it.
    ShowList(g, Lists::SearchList, nullptr);
    EXPECT_EQ(g.Rows(), 50);
    EXPECT_EQ(g.Cols(), 18);
    EXPECT_EQ(text(g, 0, 12) + "|" + text(g, 1, 0) + "|" + text(g, 1, 4), "Arrival||");
    EXPECT_EQ(g.Cell(2, 0).BackColor(), 0xFFFFE0);
}

TEST(Grid, RowsColumnsAndRemoveItemKeepTextsAndColours) {
    Grid fresh; // headings go in before the rows are counted out
    fresh.Cell(0, 1).setText("Due In");
    fresh.setRows(32);
    EXPECT_EQ(text(fresh, 0, 1), "Due In");

    Grid g;
    g.setCols(3);
    g.setRows(5);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 3; ++c)
            g.Cell(r, c).setText(QString("r%1c%2").arg(r).arg(c));
    g.Cell(3, 1).setForeColor(0xFF);
    g.Cell(3, 1).setLocked(true);

    g.RemoveItem(2);
    EXPECT_EQ(g.Rows(), 4);
    EXPECT_EQ(text(g, 1, 2), "r1c2");
    EXPECT_EQ(text(g, 2, 1), "r3c1");
    EXPECT_EQ(CellTextColour(&g, 2, 1), 0xFF);
    EXPECT_FALSE(CellTakesTyping(&g, 2, 1));
    EXPECT_TRUE(CellTakesTyping(&g, 3, 1));

    g.setRows(2);
    g.setRows(6);
    EXPECT_EQ(text(g, 1, 0), "r1c0");
    EXPECT_EQ(text(g, 2, 1), "");
    EXPECT_EQ(CellTextColour(&g, 2, 1), 0);

    g.setCols(2);
    g.setCols(4);
    EXPECT_EQ(g.Cols(), 4);
    EXPECT_EQ(text(g, 0, 1), "r0c1");
    EXPECT_EQ(text(g, 0, 2), "");
    g.Cell(1, 3).setText(QString::fromUtf8("Zoë €5"));
    EXPECT_EQ(g.Cell(1, 3).Text(), QString::fromUtf8("Zoë ?5"));
    EXPECT_EQ(g.horizontalHeader()->model()->headerData(1, Qt::Horizontal).toString(), "r0c1");
}

TEST(Grid, ColoursLocksAndShadesArePerCell) {
    Grid g;
    g.setCols(3);
    g.setRows(4);
    g.setBackColor1(0xFFFFFF);
    g.setBackColor2(0xE0E0E0);
    EXPECT_EQ(g.Cell(1, 0).BackColor(), 0xFFFFFF);
    EXPECT_EQ(g.Cell(2, 0).BackColor(), 0xE0E0E0);
    g.Cell(2, 1).setBackColor(0xFFFFFF);
    g.Cell(1, 1).setLocked(true);
    EXPECT_EQ(g.Cell(2, 1).BackColor(), 0xFFFFFF);
    EXPECT_EQ(g.Cell(2, 2).BackColor(), 0xE0E0E0);
    EXPECT_FALSE(CellTakesTyping(&g, 1, 1));
    EXPECT_TRUE(CellTakesTyping(&g, 1, 2));
    g.selectionModel()->select(QItemSelection(g.model()->index(1, 1), g.model()->index(2, 2)),
                               QItemSelectionModel::ClearAndSelect);
    g.Selection().setForeColor(0x008000);
    EXPECT_EQ(CellTextColour(&g, 2, 2), 0x008000);
    EXPECT_EQ(CellTextColour(&g, 1, 0), 0);
    EXPECT_EQ(CellTextColour(&g, 3, 1), 0);
    EXPECT_EQ(g.model()->data(g.model()->index(2, 2), Qt::ForegroundRole).value<QColor>(), QColor(0, 0x80, 0));
}

TEST(Grid, DrawingOffSendsNoSignalsAndHoldsTheChosenCell) {
    ShownGrid s(10, 3);
    Grid& g = s.grid;
    int changes = 0, resets = 0;
    QObject::connect(g.model(), &QAbstractItemModel::dataChanged, [&] { ++changes; });
    QObject::connect(g.model(), &QAbstractItemModel::rowsInserted, [&] { ++changes; });
    QObject::connect(g.model(), &QAbstractItemModel::modelReset, [&] { ++resets; });
    g.setRedraw(false);
    g.setRows(1);
    for (int n = 1; n <= 300; ++n) {
        g.setRows(n + 50);
        for (int c = 0; c < 3; ++c)
            g.Cell(n, c).setText(std::string_view("abc"));
        g.Cell(n, 1).setForeColor(0xFF);
    }
    g.Cell(5, 2).Select();
    EXPECT_EQ(g.CurrentRow(), 5);
    EXPECT_EQ(changes, 0);
    g.setRedraw(true);
    g.Refresh();
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(g.Rows(), 350);
    EXPECT_EQ(g.CurrentRow(), 5);
    EXPECT_EQ(g.CurrentCol(), 2);
    EXPECT_TRUE(g.isRowHidden(0)); // the heading row shows in the column headings
    g.Cell(1, 0).setText(QStringLiteral("x"));
    EXPECT_EQ(changes, 1);
}

TEST(Grid, ClicksChooseCellsAndHeadings) {
    ShownGrid s(20, 3);
    Grid& g = s.grid;
    g.Cell(0, 1).setText(QStringLiteral("Due In"));
    std::vector<std::pair<int, int>> chosen;
    int clicks = 0;
    QObject::connect(&g, &Grid::RowChosen, [&](int r, int c) { chosen.emplace_back(r, c); });
    QObject::connect(&g, &Grid::CellClicked, [&](int, int) { ++clicks; });

    clickCell(g, 3, 1);
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0], std::make_pair(3, 1));
    EXPECT_EQ(g.CurrentRow(), 3);
    EXPECT_EQ(g.ActiveCell().Col(), 1);

    clickHeading(g, 2);
    ASSERT_EQ(chosen.size(), 2u);
    EXPECT_EQ(chosen[1], std::make_pair(0, 2));
    EXPECT_EQ(g.CurrentRow(), 0);
    EXPECT_EQ(g.ActiveCell().Row(), 0);
    EXPECT_EQ(g.Selection().LastRow(), 0); // the heading cell alone, not its column

    g.setReadOnly(true);
    clickCell(g, 4, 0, true); // a double click is one choice
    EXPECT_EQ(chosen.size(), 3u);
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(g.Selection().FirstRow(), 4);
}

TEST(Grid, KeysAndTypedCharacters) {
    ShownGrid s(10, 3);
    Grid& g = s.grid;
    std::vector<std::pair<int, int>> downs;
    std::vector<int> typed;
    QObject::connect(&g, &Grid::KeyDownInGrid, [&](int k, int sh) { downs.emplace_back(k, sh); });
    g.setCharTyped([&](int k) {
        typed.push_back(k);
        if (k >= 'a' && k <= 'z')
            return 0;
        return k == '.' ? int{':'} : k;
    });
    g.Cell(2, 1).setText(QStringLiteral("09:15"));
    g.Cell(2, 1).Select();

    sendKey(&g, Qt::Key_F1, QString(), Qt::ShiftModifier | Qt::ControlModifier);
    sendKey(&g, Qt::Key_T, QStringLiteral("\x14"), Qt::ControlModifier);
    sendKey(&g, Qt::Key_Return, QStringLiteral("\r"));
    ASSERT_EQ(downs.size(), 3u);
    EXPECT_EQ(downs[0], std::make_pair(112, 3));
    EXPECT_EQ(downs[2].first, 13);
    EXPECT_EQ(typed, (std::vector<int>{20, 13}));

    typeChar(&g, 'q'); // dropped: nothing starts
    EXPECT_EQ(openEditor(g), nullptr);
    sendKey(&g, Qt::Key_Delete);
    EXPECT_EQ(downs.back().first, 46);
    EXPECT_EQ(text(g, 2, 1), "");

    typeChar(&g, '1');
    QLineEdit* ed = openEditor(g);
    ASSERT_NE(ed, nullptr);
    EXPECT_EQ(ed->text(), "1");
    typeChar(ed, '0');
    typeChar(ed, 'x');
    typeChar(ed, '.');
    EXPECT_EQ(ed->text(), "10:");
    EXPECT_EQ(downs.size(), 6u); // keys inside the editor are the editor's
}

TEST(Grid, ReadOnlyGridsAndLockedCellsRefuseEditing) {
    ShownGrid s(10, 3);
    Grid& g = s.grid;
    g.Cell(1, 1).setText(QStringLiteral("keep"));
    g.Cell(1, 1).setLocked(true);
    g.Cell(1, 1).Select();
    typeChar(&g, '5');
    sendKey(&g, Qt::Key_Delete);
    g.edit(g.model()->index(1, 1));
    EXPECT_EQ(openEditor(g), nullptr);
    EXPECT_EQ(text(g, 1, 1), "keep");

    g.setReadOnly(true);
    g.Cell(2, 1).Select();
    typeChar(&g, '5');
    g.edit(g.model()->index(2, 1));
    EXPECT_EQ(openEditor(g), nullptr);

    g.setReadOnly(false);
    typeChar(&g, '5');
    EXPECT_NE(openEditor(g), nullptr);
}

TEST(Grid, ValidateEditCanRefuseAndTheEditorStaysOpen) {
    ShownGrid s(10, 2);
    Grid& g = s.grid;
    g.activateWindow();
    g.setFocus();
    int ended = 0;
    std::vector<std::string> seen;
    QObject::connect(&g, &Grid::EditFocusLost, [&] { ++ended; });
    g.setValidateEdit([&](int r, int c) {
        const QString t = g.Cell(r, c).Text();
        seen.push_back(t.toStdString());
        if (t.size() != 5) {
            // A real message box takes the focus from the editor meanwhile.
            QDialog box(&g);
            auto closer = OnNextModal([](QWidget* w) { w->close(); });
            box.exec();
            g.Cell(r, c).setText(QString());
            g.Cell(r, c).setForeColor(0xFF);
            return true;
        }
        g.Cell(r, c).setText(t.left(2) + ":" + t.right(2));
        return false;
    });
    g.Cell(3, 1).Select();
    typeChar(&g, '9');
    QLineEdit* ed = openEditor(g);
    ASSERT_NE(ed, nullptr);
    sendKey(ed, Qt::Key_Return, QStringLiteral("\r"));
    settle();
    ASSERT_EQ(seen, std::vector<std::string>{"9"});
    ASSERT_EQ(openEditor(g), ed); // refused: still editing, showing the cell as the check left it
    EXPECT_EQ(ed->text(), "");
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(CellTextColour(&g, 3, 1), 0xFF);

    for (char c : std::string("09.30"))
        typeChar(ed, c);
    sendKey(ed, Qt::Key_Return, QStringLiteral("\r"));
    settle();
    EXPECT_EQ(openEditor(g), nullptr);
    EXPECT_EQ(text(g, 3, 1), "09:30");
    EXPECT_EQ(ended, 1);

    typeChar(&g, '1');
    sendKey(openEditor(g), Qt::Key_Escape);
    settle();
    EXPECT_EQ(openEditor(g), nullptr);
    EXPECT_EQ(text(g, 3, 1), "09:30"); // Escape drops the typing without a check
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_EQ(ended, 2);

    // Leaving for another control: a refused edit closes all the same, the
    // cell keeping what the check left.
    g.activateWindow(); // the message box took the activation along when it closed
    settle();
    typeChar(&g, '7');
    ASSERT_NE(openEditor(g), nullptr);
    auto* elsewhere = new QLineEdit(&g);
    elsewhere->show();
    elsewhere->setFocus();
    settle();

    EXPECT_EQ(seen.back(), "7");
    EXPECT_EQ(openEditor(g), nullptr);
    EXPECT_EQ(text(g, 3, 1), "");
    EXPECT_EQ(ended, 3);
}

namespace {
QString pdfText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

namespace {
constexpr Lists::ListColumn PrintedColumns[] = {
    {"Registration", 100, 10, Lists::Cell::RegNo},
    {"Last Name", 100, 6, Lists::Cell::LastName},
    {"", Lists::GridDefault, Lists::GridDefault, Lists::Cell::Empty},
};
constexpr Lists::ListDescription PrintedList{PrintedColumns, 0xFFFFFF, 0xFFFFFF, ""};

QStringList pdfPages(const QString& pdf) {
    return pdfText(pdf).split(QChar('\f'), Qt::SkipEmptyParts);
}

struct PinnedClock {
    explicit PinnedClock(const LocalDateTime& when) { Clock::Pin(when); }
    ~PinnedClock() { Clock::Unpin(); }
};
} // namespace

TEST(Grid, PrintsAListWithItsHeadingOnEveryPageAndCountsPages) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    TempFolder dir(TempFolder::Name::Plain); // the printer takes its file name as a QString
    PinnedClock pinned({2016, 3, 7, 9, 0, 0});
    Lines lines(200, "Okafor");
    for (int i = 0; i < 200; ++i)
        lines.list->Add(lines.line(i));
    Grid g;
    ShowList(g, PrintedList, lines.list);
    GridPageSetup& ps = g.PageSetup();
    ps.HeaderText = QStringLiteral("My Company    Visitor List  -  March 2016");
    ps.FooterText = QStringLiteral("Kestrane     Page &P of &N    Printed: &D");
    ps.FooterAlignment = 2;
    ps.Zoom = 90;
    ps.PrintRows = 150;

    const QString path = QString::fromStdString(dir.path()) + "/list.pdf";
    ASSERT_TRUE(g.PrintToPdf(path));
    const QStringList pages = pdfPages(path);
    const int n = static_cast<int>(pages.size());
    ASSERT_GT(n, 1);
    for (int i = 0; i < n; ++i) {
        const QString page = pages[i].simplified(); // the text tool does not keep runs of blanks
        EXPECT_TRUE(page.startsWith("My Company Visitor List - March 2016 Registration")) << page.toStdString();
        EXPECT_TRUE(
            page.endsWith(QString("Kestrane Page %1 of %2 Printed: ").arg(i + 1).arg(n) + QStringLiteral("07/03/2016")))
            << page.toStdString();
    }
    EXPECT_TRUE(pages.join("").contains("240301000149 Okafor")); // the last of the rows asked for
    EXPECT_FALSE(pages.join("").contains("240301000150"));

    // Only the pages chosen, numbered as in the whole printout.
    ASSERT_TRUE(g.PrintToPdf(path, 2, 2));
    const QStringList second = pdfPages(path);
    ASSERT_EQ(second.size(), 1);
    EXPECT_TRUE(second[0].simplified().contains(QString("Page 2 of %1").arg(n)));

    ps.PrintRows = 0; // up to the last row with text
    ASSERT_TRUE(g.PrintToPdf(path));
    const QStringList every = pdfPages(path);
    EXPECT_TRUE(every.join("").contains("240301000199"));
    EXPECT_GT(every.size(), n);

    // The preview lays out the same pages.
    int previewPages = -1;
    auto watch = OnNextModal([&](QWidget* dialog) {
        if (auto* w = dialog->findChild<QPrintPreviewWidget*>())
            previewPages = w->pageCount();
        dialog->close();
    });
    EXPECT_TRUE(g.PrintPreview(100).opened);
    EXPECT_EQ(previewPages, static_cast<int>(every.size()));
}

// A month list of 44,000 bookings with a time on every day.
TEST(Grid, AListOfMillionsOfRowsScrollsToItsEndAndPrintsItsLastPage) {
    constexpr int Rows = 44000 * 31;
    Lines lines(1000);
    lines.list->Reserve(Rows);
    for (int i = 0; i < Rows; ++i)
        lines.list->Add(lines.line(i / 31 % 1000), static_cast<std::uint8_t>(i % 31 + 1));
    ShownGrid s(2, 2);
    Grid& g = s.grid;
    ShowList(g, Lists::MonthList, lines.list);
    settle();
    sendKey(&g, Qt::Key_End, QString(), Qt::ControlModifier);
    settle();
    EXPECT_EQ(g.CurrentRow(), Rows + 49);
    EXPECT_EQ(g.verticalScrollBar()->value(), g.verticalScrollBar()->maximum());
    EXPECT_EQ(g.rowAt(g.viewport()->height() - 1), Rows + 49);
    EXPECT_EQ(text(g, Rows, 0) + "|" + text(g, Rows, 4) + "|" + text(g, Rows, 5), "240301000999|31|09:30");
    EXPECT_EQ(text(g, Rows + 1, 0), "");

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    TempFolder dir(TempFolder::Name::Plain); // the printer takes its file name as a QString
    const QString path = QString::fromStdString(dir.path()) + "/list.pdf";
    GridPageSetup& ps = g.PageSetup();
    ps.FooterText = QStringLiteral("Page &P of &N");
    ps.PrintRows = Rows;
    ps.Zoom = 50; // every column on one page across
    ASSERT_TRUE(g.PrintToPdf(path, 1, 1));
    const QString first = pdfPages(path).join("").simplified();
    const qsizetype of = first.indexOf("Page 1 of ");
    ASSERT_GE(of, 0);
    const int pages = first.mid(of + 10).section(' ', 0, 0).toInt();
    ASSERT_GT(pages, 10000);
    ASSERT_TRUE(g.PrintToPdf(path, pages, pages));
    const QStringList last = pdfPages(path);
    ASSERT_EQ(last.size(), 1);
    EXPECT_TRUE(last[0].contains("240301000999"));
    EXPECT_TRUE(last[0].simplified().endsWith(QString("Page %1 of %1").arg(pages)));
}
