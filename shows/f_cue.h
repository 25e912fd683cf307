// The cue editor: the names and 512 DMX channel values of the device's 100 cues, loaded from the
// device at each showing, edited here and written back one cue at a time.
#pragma once

#include "device/protocol.h"
#include "ui/devicedialog.h"

#include <QByteArray>
#include <QFont>
#include <QHostAddress>
#include <array>
#include <vector>

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStatusBar;
class QTableWidget;

namespace zentri {

class UdpListener;
namespace ui {
class ChannelEditorLook;
}

// One cue: the value of DMX channel n (1..512) at index n-1.
struct recCue {
    wire::CueValues DMX{};
};

class TfCue : public ui::DeviceDialog {
    Q_OBJECT
public:
    static constexpr int kColumns = 32; // channel editors per line
    static constexpr int kLines = 16;

    explicit TfCue(DeviceLink *link);

    // ---- State ----
    const std::array<recCue, wire::kCueCount> &aCue() const { return aCue_; }
    bool loading() const { return loading_; }
    // The cue of the grid's current row (1..100), 0 when there is none.
    int currentCue() const;
    QString cueName(int cue) const;
    // Channel editor n (1..512), by line and column of the editor table (built first if need be).
    QSpinBox *channelEditor(int n) {
        buildChannelEditors();
        return editors_[n - 1];
    }
    QSpinBox *editorAt(int line, int column) {
        buildChannelEditors();
        return editors_[line * kColumns + column];
    }

    // The 512 channel editors are built after the window itself, the first time they are needed: at
    // the latest when the window is shown. buildChannelEditors() builds those still missing at once;
    // buildChannelEditorsWhenIdle() builds them line by line once `window` (the main window) has been
    // painted for the first time and the events waiting then have been handled;
    // buildChannelEditorsLater() starts with the events waiting now.
    void buildChannelEditors();
    void buildChannelEditorsWhenIdle(QWidget *window);
    void buildChannelEditorsLater();
    bool channelEditorsBuilt() const { return int(editors_.size()) == kLines * kColumns; }
    void setVisible(bool visible) override;
    int nameEditRow() const { return editRow_; }
    UdpListener *listener() const { return IdUDPServer1; }

    // ---- Handlers ----
    void FormActivate();
    void StringGrid1Click();
    void StringGrid1DblClick();
    void StringGrid1KeyDown(int key);
    void Edit1KeyDown(int key);
    void spEditChange(QSpinBox *editor, const QString &text);
    void btSaveAllCuesClick();
    void IdUDPServer1UDPRead(const QByteArray &data, const QHostAddress &sender);

    // Controls, named as in the window's layout.
    QGroupBox *GroupBox2, *GroupBox1;
    QTableWidget *StringGrid1;
    QLineEdit *Edit1;
    QPushButton *btSaveAllCues;
    QPlainTextEdit *Memo1;
    QStatusBar *StatusBar1;
    UdpListener *IdUDPServer1;

protected:
    void activated() override { FormActivate(); }
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createChannelEditorLine();
    void buildNextLineLater();
    int nameEditTarget() const;
    void log(const QString &line);

    std::array<recCue, wire::kCueCount> aCue_{};
    std::vector<QSpinBox *> editors_; // kLines x kColumns, line by line, as far as built
    ui::ChannelEditorLook *editorLook_ = nullptr;
    QFont editorFont_;
    QSize editorSize_;  // of each channel editor: 41 x 24 at the default font, larger at a larger one
    int editorTop_ = 0; // the first line's top within its group
    QWidget *idleAfter_ = nullptr; // the window whose first paint starts building the editors
    bool loading_ = false;
    int editRow_ = -1;          // grid row whose name the name editor edits
    int rowHandledByMove_ = -1; // the row the press being handled made current (already handled)
};

} // namespace zentri
