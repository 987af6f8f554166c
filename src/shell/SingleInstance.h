#pragma once
// One running program per user. The first start holds a lock file in the
// user's runtime folder and listens there for later starts; a later start
// that names a data file hands the file over to it and ends.

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

namespace tessaro {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The lock and the channel live in the user's runtime folder unless a
    // folder is given.
    explicit SingleInstance(const QString& folder = {});
    ~SingleInstance() override;

    // True for the first running instance: it now holds the lock (a lock left
    // by a program that ended without releasing it is taken over) and takes
    // files from later starts.
    bool acquire();
    // A later start: hands the file to the running instance; false when no
    // instance took it.
    bool handOver(const QString& path);

signals:
    void fileRequested(const QString& path);

private:
    void listen();
    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
};

} // namespace tessaro
