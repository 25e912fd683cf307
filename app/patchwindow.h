// The patch window: every Art-Net channel in use across many devices, one universe at a time as a
// picture of its 512 channels, with the list of every use and the list of conflicts beside it. The
// lists carry everything the picture shows. The patch itself is rig/'s; this window only shows it.
// It also previews a readdressing before anything is sent, and exports the commissioning report.
#pragma once

#include "device/discovery.h"
#include "device/records.h"
#include "rig/patch.h"
#include "rig/rigstates.h"

#include <QDialog>
#include <QStringList>
#include <QVector>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QListWidget;

namespace zentri {

class UniversePicture;
class UsesModel;

// One set of devices whose patch the window shows: the rig's entries, or the devices found.
struct PatchSource {
    QString title;                             // "Rig \"Main stage\"", "Devices found"
    QVector<recUrzadzenia> devices;            // identity and settings
    QVector<std::optional<rig::State>> states; // per device; none for a device found without a rig
    QVector<rig::SdCard> sdCards;              // per device
};

class PatchWindow : public QDialog {
    Q_OBJECT
public:
    // The columns of the list of uses.
    enum UsesColumn {
        UsesNet,
        UsesUniverse,
        UsesChannel,
        UsesDevice,
        UsesMac,
        UsesIp,
        UsesElement,
        UsesInput,
        UsesConflict,
        UsesColumnCount
    };

    explicit PatchWindow(QWidget *parent = nullptr);

    // Shows the first source's patch; the chooser offers the others.
    void setSources(const QVector<PatchSource> &sources, const QVector<InterfaceInfo> &interfaces);
    // A readdressing to confirm: `changes` (a line per device) stand above the patch, and "Send" and
    // "Cancel" replace "Close"; exec() gives Accepted for "Send".
    void setPreview(const QStringList &changes);

    const PatchSource &source() const;
    const rig::Patch &patch() const { return patch_; }
    // The universe shown: NET and universe.
    QPair<int, int> universe() const;
    void showUniverse(int net, int universe);
    // The uses list's rows as shown (sorted as the user chose), each "channel<TAB>device<TAB>element".
    QStringList useLines() const;

    // "Export report...": asks for a file name, then writes the PDF, HTML and CSV beside each other.
    void exportReport();
    // The same without asking: `base` is the path without its extension.
    bool exportReportTo(const QString &base, QStringList *written, QString *error);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void showSource(int index);
    void fillUniverses();
    void drawUniverse();
    void channelClicked(int channel);
    void conflictChosen();
    void useChosen();

    QVector<PatchSource> sources_;
    QVector<InterfaceInfo> interfaces_;
    int current_ = 0;
    rig::Patch patch_;
    QVector<QPair<int, int>> universes_; // the chooser's items

    UsesModel *uses_;
    QSortFilterProxyModel *sortedUses_;
    QLabel *lbSummary, *lbSource, *lbDmx, *lbChanges;
    QComboBox *cbSource, *cbUniverse;
    UniversePicture *picture_;
    QTableView *grUses;
    QListWidget *lvConflicts;
    QPlainTextEdit *meChanges;
    QPushButton *btExportReport, *btSend, *btClose;
};

} // namespace zentri
