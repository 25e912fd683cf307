// The list of the rig's events, one line each as the engine keeps them (the newest at the bottom),
// and the saving of every event kept to a text file.
#pragma once

#include "rig/watch.h"

#include <QListWidget>

namespace zentri {

class EventList : public QListWidget {
    Q_OBJECT
public:
    explicit EventList(QWidget *parent = nullptr);

    // Appends `events`; the list keeps at most `kept` lines, dropping the oldest.
    void add(const QVector<rig::Event> &events, int kept);
    // Asks for a file and writes `lines` to it; says what went wrong.
    void save(const QStringList &lines);
};

} // namespace zentri
