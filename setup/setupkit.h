// Parts shared by the configuration windows.
#pragma once

#include <QString>

class QAbstractItemModel;
class QComboBox;
class QGridLayout;
class QLabel;
class QWidget;

namespace zentri::setup {

// Height of a row of controls in the configuration windows.
constexpr int kRowHeight = 26;

// "01" style names of the repeated controls: numbered("cbxNET", 3) is "cbxNET03".
QString numbered(const char *prefix, int number);

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text);

// A select-only list sized for `chars` characters, one row high.
QComboBox *makeSizedList(QWidget *parent, const QString &name, QAbstractItemModel *items, int chars,
                         const QString &accessibleName);

// The note that stands where the hidden NET and Universe lists of rows 2 to 8 would be; `what` is
// "outputs" or "inputs".
QLabel *makeAllRowNote(QWidget *parent, const QString &what);

// The terminal block picture in `column` of `grid`, from row 1 down over `rows` rows.
void addTerminalBlock(QGridLayout *grid, const QString &resource, const QString &accessibleName, int column,
                      int rows);

} // namespace zentri::setup
