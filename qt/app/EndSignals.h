#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a logout or shutdown, Ctrl+C, a closed terminal) delivered as a
// Qt signal on the window thread. The handler only writes a byte to a pipe; no Qt code runs
// inside it. One object at a time.
class EndSignals : public QObject {
    Q_OBJECT
public:
    explicit EndSignals(QObject* parent = nullptr);
    ~EndSignals() override;

signals:
    void received();

private:
    QSocketNotifier* notifier_ = nullptr;
};
