#include "rigwindow.h"
#include "device/protocol.h"
#include "eventlist.h"
#include "mainwindow.h"
#include "readdressdialog.h"
#include "rigactions.h"
#include "rigtable.h"
#include "ui/legibility.h"
#include "ui/messages.h"
#include "ui/placement.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

namespace zentri {

RigWindow::RigWindow(TMainForm *main, rig::Document &document, rig::Engine &engine, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      main_(main), document_(document), engine_(engine), model_(new RigTable(this)),
      sorted_(new QSortFilterProxyModel(this)) {
    setObjectName(QStringLiteral("RigWindow"));
    setWindowTitle(rigactions::title());
    setModal(true);
    setSizeGripEnabled(true);
    buildControls();
    connect(&engine_, &rig::Engine::rowsChanged, this, &RigWindow::refresh);
    connect(&engine_, &rig::Engine::eventsAdded, lbEvents,
            [this](const QVector<rig::Event> &events) { lbEvents->add(events, rig::Engine::kMaxEvents); });
    connect(&engine_, &rig::Engine::confirmed, this, &RigWindow::reportOutcomes);
    connect(&document_, &rig::Document::changed, this, &RigWindow::updateTitle);
    updateTitle();
    refresh();
}

void RigWindow::buildControls() {
    // A button that calls `act` when pressed; the buttons are made in their tab order.
    auto button = [this](const QString &caption, const char *name, void (RigWindow::*act)()) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, act);
        return b;
    };
    auto *layout = new QVBoxLayout(this);
    lbRig = new QLabel(this);
    lbRig->setObjectName(QStringLiteral("lbRig"));
    lbRig->setAccessibleDescription(tr("The rig and its file"));
    layout->addWidget(lbRig);

    sorted_->setSourceModel(model_);
    sorted_->setSortRole(RigTable::kSortRole);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setAccessibleName(tr("Devices of the rig and devices found"));
    grid_->setModel(sorted_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSortingEnabled(true);
    grid_->sortByColumn(-1, Qt::AscendingOrder); // the rig's order until the user sorts
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setWordWrap(false);
    // Column widths as the table defines them at the default font, grown with a larger one.
    const int widths[] = {90, 150, 130, 110, 70, 110, 70, 150};
    const double scale = ui::fontScale(this);
    for (int c = 0; c < RigTable::Differences; ++c)
        grid_->setColumnWidth(c, int(std::lround(widths[c] * scale)));
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &RigWindow::updateButtons);
    layout->addWidget(grid_, 3);

    auto *find = new QHBoxLayout;
    find->addWidget(button(tr("Find devices"), "btFindDevices", &RigWindow::findDevices));
    cbWatch = new QCheckBox(tr("Watch every"), this);
    cbWatch->setObjectName(QStringLiteral("cbWatch"));
    seInterval = new QSpinBox(this);
    seInterval->setObjectName(QStringLiteral("seInterval"));
    seInterval->setRange(rig::kMinInterval, rig::kMaxInterval);
    seInterval->setValue(rig::kDefaultInterval);
    seInterval->setSuffix(tr(" s"));
    seInterval->setAccessibleName(tr("Seconds between two discoveries while watching"));
    find->addSpacing(12);
    find->addWidget(cbWatch);
    find->addWidget(seInterval);
    find->addStretch(1);
    btSend = button(tr("Send rig configuration..."), "btSend", &RigWindow::sendRigConfiguration);
    btTake = button(tr("Take device configuration"), "btTake", &RigWindow::takeDeviceConfiguration);
    btReplace = button(tr("Replace with..."), "btReplace", &RigWindow::replaceWith);
    btCapture = button(tr("Capture"), "btCapture", &RigWindow::capture);
    for (QPushButton *b : {btSend, btTake, btReplace, btCapture})
        find->addWidget(b);
    layout->addLayout(find);

    auto *patch = new QHBoxLayout;
    patch->addWidget(button(tr("Show patch..."), "btShowPatch", &RigWindow::showPatch));
    btReaddress = button(tr("Readdress..."), "btReaddress", &RigWindow::readdress);
    btReaddress->setToolTip(tr("Give the selected devices' outputs or audio player consecutive channels"));
    patch->addWidget(btReaddress);
    patch->addWidget(button(tr("Export report..."), "btExportReport", &RigWindow::exportReport));
    patch->addStretch(1);
    layout->addLayout(patch);

    auto *eventsTitle = new QLabel(tr("Events"), this);
    layout->addWidget(eventsTitle);
    lbEvents = new EventList(this);
    eventsTitle->setBuddy(lbEvents);
    layout->addWidget(lbEvents, 1);

    auto *bottom = new QHBoxLayout;
    lbStatus = new QLabel(this);
    lbStatus->setObjectName(QStringLiteral("lbStatus"));
    lbStatus->setAccessibleDescription(tr("What the last discovery found"));
    lbStatus->setWordWrap(true);
    bottom->addWidget(lbStatus, 1);
    bottom->addWidget(button(tr("Save events..."), "btSaveEvents", &RigWindow::saveEvents));
    bottom->addWidget(button(tr("Close"), "btClose", &QDialog::reject));
    layout->addLayout(bottom);

    connect(cbWatch, &QCheckBox::toggled, this, [this](bool on) {
        engine_.setRoundMs(seInterval->value() * 1000);
        if (isVisible())
            engine_.setWatching(on);
    });
    connect(seInterval, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int s) { engine_.setRoundMs(s * 1000); });
    engine_.setRoundMs(seInterval->value() * 1000);
    resize(int(1100 * scale), int(620 * scale));
}

// ---- Showing and closing ----------------------------------------------------------------------

void RigWindow::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    ui::centerOnScreen(this);
    updateTitle();
    refresh();
    // What the devices hold now: a discovery at each showing.
    QTimer::singleShot(0, this, [this] {
        if (isVisible() && !engine_.roundOpen()) {
            engine_.findDevices();
            engine_.setWatching(cbWatch->isChecked());
        }
    });
}

void RigWindow::done(int result) {
    // Replies still coming are listed by the main window, as after its own "Find devices".
    engine_.stop();
    QDialog::done(result);
}

bool RigWindow::save() {
    return rigactions::save(this, document_);
}

void RigWindow::findDevices() {
    engine_.findDevices();
}

// ---- The table --------------------------------------------------------------------------------

void RigWindow::refresh() {
    int counts[5] = {};
    for (const rig::Row &row : engine_.rows())
        ++counts[static_cast<int>(row.state)];
    const QStringList selected = selectedMacs();
    model_->setLines(RigTable::linesOf(engine_, document_.rig()));
    selectMacs(selected);

    QStringList parts;
    for (rig::State s : {rig::State::InSync, rig::State::Differs, rig::State::Missing, rig::State::NotInRig,
                         rig::State::Duplicate})
        if (counts[static_cast<int>(s)] > 0)
            parts << QStringLiteral("%1 %2").arg(counts[static_cast<int>(s)]).arg(rig::stateText(s));
    QString status =
        parts.isEmpty() ? tr("No device in the rig, none found") : parts.join(QStringLiteral(", "));
    if (engine_.roundOpen())
        status = tr("Searching... %1").arg(status);
    if (engine_.confirming())
        status = tr("Confirming what was sent... %1").arg(status);
    lbStatus->setText(status);
    updateButtons();
}

QStringList RigWindow::selectedMacs() const {
    QStringList macs; // in the table's order, as the user sees them
    const QItemSelectionModel *selection = grid_->selectionModel();
    for (int r = 0; r < sorted_->rowCount(); ++r)
        if (selection->isRowSelected(r, QModelIndex()))
            macs << sorted_->index(r, RigTable::Mac).data().toString();
    return macs;
}

void RigWindow::selectMacs(const QStringList &macs) {
    QItemSelection selection;
    for (int r = 0; r < sorted_->rowCount(); ++r)
        if (macs.contains(sorted_->index(r, RigTable::Mac).data().toString()))
            selection.select(sorted_->index(r, 0), sorted_->index(r, RigTable::ColumnCount - 1));
    grid_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void RigWindow::updateButtons() {
    const bool idle = !engine_.confirming();
    const auto chosen = selectedMacs().size();
    btSend->setEnabled(idle);
    btTake->setEnabled(idle && chosen > 0);
    btReplace->setEnabled(idle && chosen == 1);
    btCapture->setEnabled(idle);
    btReaddress->setEnabled(idle && chosen > 0);
}

void RigWindow::updateTitle() {
    const rig::Rig &r = document_.rig();
    QString text = tr("Rig \"%1\"").arg(r.name);
    text += document_.path().isEmpty() ? tr(", in no file") : QStringLiteral(": %1").arg(document_.path());
    if (document_.isModified())
        text += tr(" (changed, not saved)");
    text += tr("; %n device(s)", nullptr, static_cast<int>(r.devices.size()));
    if (!r.addresses.isEmpty())
        text += tr("; also asks %1").arg(r.addresses.join(QStringLiteral(", ")));
    lbRig->setText(text);
}

// ---- Events -----------------------------------------------------------------------------------

QStringList RigWindow::eventLines() const {
    QStringList lines;
    for (const rig::Event &e : engine_.events())
        lines << e.line();
    return lines;
}

void RigWindow::saveEvents() {
    lbEvents->save(eventLines());
}

// ---- Acting on the rig ------------------------------------------------------------------------

void RigWindow::sendRigConfiguration() {
    const QStringList chosen = selectedMacs();
    const rig::Plan plan = rig::planSend(document_.rig(), engine_.rows(), chosen);
    const QString notSent =
        plan.leftOut.isEmpty() ? QString()
                               : tr("\n\nNothing is sent to:\n") + rig::leftOutLines(plan.leftOut).join('\n');
    if (plan.isEmpty()) {
        ui::showMessage(this, (chosen.isEmpty() ? tr("No device differs from the rig: nothing to send.")
                                                : tr("Nothing to send to the devices chosen.")) +
                                  notSent);
        return;
    }
    const QString question =
        tr("Send the rig's configuration to %n device(s)?", nullptr, static_cast<int>(plan.sends.size())) +
        QStringLiteral("\n\n") + plan.sendLines().join('\n') + notSent;
    if (ui::ask(this, windowTitle(), "sendRigBox", question))
        carryOut(plan);
}

void RigWindow::takeDeviceConfiguration() {
    QVector<rig::Document::Taken> taken;
    QStringList skipped;
    document_.take(engine_.rows(), selectedMacs(), &taken, &skipped);
    for (const rig::Document::Taken &t : taken)
        engine_.addEvent(tr("taken"), t.mac, t.name, t.ip, t.detail);
    if (!skipped.isEmpty())
        ui::showMessage(this, tr("Nothing taken from:\n") + skipped.join('\n'));
}

void RigWindow::replaceWith() {
    const QStringList chosen = selectedMacs();
    const rig::Row *picked = chosen.size() == 1 ? engine_.row(chosen.first()) : nullptr;
    if (!picked || (picked->state != rig::State::Missing && picked->state != rig::State::NotInRig)) {
        ui::showMessage(this, tr("Select one device that is \"missing\", or one that is \"not in rig\"."));
        return;
    }
    const bool fromMissing = picked->state == rig::State::Missing;
    const rig::State other = fromMissing ? rig::State::NotInRig : rig::State::Missing;
    QStringList items, macs;
    for (const rig::Row &r : engine_.rows())
        if (r.state == other) {
            items << QStringLiteral("%1 (%2%3)")
                         .arg(r.name(document_.rig()), r.mac,
                              r.device ? QStringLiteral(", ") + r.device->IP : QString());
            macs << r.mac;
        }
    if (items.isEmpty()) {
        ui::showMessage(this, fromMissing ? tr("No device that is \"not in rig\" answered.")
                                          : tr("No device of the rig is \"missing\"."));
        return;
    }
    const QString pickedMac = picked->mac; // the rows may change while the list is open
    QInputDialog choose(this);
    choose.setObjectName(QStringLiteral("replaceWithDialog"));
    choose.setWindowTitle(tr("Replace with..."));
    choose.setLabelText(fromMissing ? tr("The device that takes the place of %1:").arg(pickedMac)
                                    : tr("The rig entry that %1 takes over:").arg(pickedMac));
    choose.setComboBoxItems(items);
    choose.setComboBoxEditable(false);
    if (choose.exec() != QDialog::Accepted)
        return;
    const QString otherMac = macs.value(items.indexOf(choose.textValue()));
    const QString oldMac = fromMissing ? pickedMac : otherMac;
    const rig::Plan plan =
        rig::planReplace(document_.rig(), engine_.rows(), oldMac, fromMissing ? otherMac : pickedMac);
    if (!plan.refused.isEmpty()) {
        ui::showMessage(this, tr("The devices changed while the list was open; nothing was sent."));
        return;
    }
    if (plan.isEmpty()) {
        ui::showMessage(this, QString::fromLatin1(wire::kFirmwareTooOld));
        return;
    }
    const rig::Send &s = plan.sends.first();
    const QString question = tr("Give the rig entry \"%1\" (%2) to the device %3 at %4?\n\n"
                                "It is sent the entry's configuration: %5.\n\n"
                                "Once it reports that configuration, the entry's MAC becomes %3 "
                                "and its name stays.")
                                 .arg(s.name, oldMac, s.mac, s.ip, s.changes);
    if (ui::ask(this, windowTitle(), "replaceBox", question))
        carryOut(plan);
}

void RigWindow::capture() {
    const QVector<recUrzadzenia> answers = engine_.answersShown();
    if (answers.isEmpty()) {
        ui::showMessage(this, tr("No device answered: press \"Find devices\" first."));
        return;
    }
    if (!rigactions::dropChanges(this, document_))
        return;
    // The devices behind a router answered through the rig's addresses: they stay.
    const rig::Rig &r = document_.rig();
    document_.capture(r.name.isEmpty() ? tr("New rig") : r.name, answers, r.addresses);
}

// ---- Sending and confirming -------------------------------------------------------------------

void RigWindow::carryOut(const rig::Plan &plan) {
    QStringList failed;
    for (const rig::Outcome &o : engine_.carryOut(plan))
        failed << QStringLiteral("%1 (%2): %3").arg(o.send.name, o.send.mac, o.error);
    updateButtons();
    if (!failed.isEmpty())
        ui::showMessage(this, tr("Not sent:\n") + failed.join('\n'));
}

void RigWindow::reportOutcomes(const QVector<rig::Outcome> &outcomes, const rig::Document::Adopted &adopted) {
    QStringList confirmed, unconfirmed;
    for (const rig::Outcome &o : outcomes) {
        if (o.confirmed())
            confirmed << o.send.who();
        else if (o.result != rig::Outcome::NotSent)
            unconfirmed << QStringLiteral("%1: %2").arg(o.send.who(), o.why());
    }
    if (confirmed.isEmpty() && unconfirmed.isEmpty())
        return; // nothing left: "Not sent" was said
    QStringList paragraphs;
    if (!confirmed.isEmpty())
        paragraphs << tr("Confirmed by the device:\n") + confirmed.join('\n');
    if (!unconfirmed.isEmpty())
        paragraphs << tr("Not confirmed:\n") + unconfirmed.join('\n');
    if (!adopted.replaced.isEmpty())
        paragraphs << adopted.replaced.join('\n');
    if (!adopted.readdressed.isEmpty())
        paragraphs << adopted.readdressed;
    // Shown once the handler or timer that ended the confirmation is over.
    QTimer::singleShot(0, main_,
                       [parent = isVisible() ? static_cast<QWidget *>(this) : main_,
                        text = paragraphs.join(QStringLiteral("\n\n"))] { ui::showMessage(parent, text); });
}

// ---- The patch, readdressing and the report ---------------------------------------------------

void RigWindow::showPatch() {
    rigactions::showPatch(this, engine_, document_.rig());
}

void RigWindow::exportReport() {
    rigactions::exportReport(this, engine_, document_.rig());
}

void RigWindow::readdress() {
    if (const auto plan = ReaddressDialog::askPlan(this, engine_, document_, selectedMacs()))
        carryOut(*plan);
}

} // namespace zentri
