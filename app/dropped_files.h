#pragma once
// What a drop on the main window asks for: one scan file opens, several
// files go to the scan browser, anything else is refused with the reason.

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

struct DroppedFiles {
    enum class Action { Open, Browse, Refuse };
    Action action = Action::Refuse;
    QStringList paths;  // the files to open or to browse
    QString refusal;    // why the drop is refused
};

DroppedFiles examineDrop(const QList<QUrl> &urls);
