#pragma once

#include <QObject>
#include <QString>

namespace fretlore {

// One of the six hidden players S1 to S6 that sound the strings of the shown
// chord, player n serving catalogue column n. An empty file name means the
// string is silent.
class StringPlayer : public QObject {
    Q_OBJECT
public:
    StringPlayer(QObject* parent, const QString& name);

    QString FileName() const { return fileName_; }
    void SetFileName(const QString& fileName) { fileName_ = fileName; }

private:
    QString fileName_;
};

} // namespace fretlore
