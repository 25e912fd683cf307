// Parts shared by the configuration windows.
#pragma once

#include "ui/lists.h"

#include <QCoreApplication>
#include <QString>
#include <array>

class QAbstractItemModel;
class QGridLayout;
class QLabel;
class QWidget;

namespace zentri::setup {

// Height of a row of controls in the configuration windows.
constexpr int kRowHeight = 26;

// "01" style names of the repeated controls: numbered("cbxNET", 3) is "cbxNET03".
QString numbered(const char *prefix, int number);

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text);

// A column header in row 0 of `grid`, at the bottom of `column`: centred, unless `alignment` says otherwise.
QLabel *addHeader(QWidget *parent, QGridLayout *grid, const char *name, const QString &text, int column,
                  Qt::Alignment alignment = Qt::AlignHCenter);

// A select-only list sized for `chars` characters, one row high.
QComboBox *makeSizedList(QWidget *parent, const QString &name, QAbstractItemModel *items, int chars,
                         const QString &accessibleName);

// A control of a table row that has no caption of its own, only its name and accessible name.
template <typename Box> Box *makeRowBox(QWidget *parent, const QString &name, const QString &accessibleName) {
    auto *box = new Box(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    return box;
}

// The start of each row of the input and output tables: a label, then the NET, Universe and channel
// lists, in columns 0 to 3 of the table. Only the first row's NET and Universe are shown, as the "All"
// row that serves every row; the others keep their loaded values.
struct PatchRows {
    Q_DECLARE_TR_FUNCTIONS(zentri::setup::PatchRows)

public:
    static constexpr int kRows = 8;

    // Row `i` (0 to 7), in table row i + 1; `what` ("Output 1") begins the lists' accessible names.
    void addRow(QWidget *parent, QGridLayout *grid, int i, const char *labelName, const QString &caption,
                const QString &what);
    template <typename Row> void load(const std::array<Row, kRows> &rows) const {
        for (int i = 0; i < kRows; ++i) {
            ui::selectPosition(net[i], rows[i].NET);
            ui::selectPosition(universe[i], rows[i].Universe);
            ui::selectPosition(channel[i], rows[i].Channel - 1);
        }
    }
    template <typename Row> void store(std::array<Row, kRows> &rows) const {
        for (int i = 0; i < kRows; ++i) {
            rows[i].NET = net[i]->currentIndex();
            rows[i].Universe = universe[i]->currentIndex();
            rows[i].Channel = channel[i]->currentIndex() + 1;
        }
    }
    // Leaves the "All" row the only one with NET and Universe in view, those enabled where the module
    // has an Art-Net patch.
    void showAllRow(bool artNet) const;
    // The note `text` that stands where the hidden NET and Universe lists of rows 2 to 8 would be.
    void addAllRowNote(QWidget *parent, QGridLayout *grid, const QString &text) const;

    std::array<QLabel *, kRows> labels{};
    std::array<QComboBox *, kRows> net{}, universe{}, channel{};
};

// The terminal block picture in `column` of `grid`, from row 1 down over `rows` rows.
void addTerminalBlock(QGridLayout *grid, const QString &resource, const QString &accessibleName, int column,
                      int rows);

} // namespace zentri::setup
