#pragma once

#include <QObject>

class QLabel;
class Transfer;

// The main window's update notice (lblUpdate with its picture picUpdate):
// set by the version check at start, a click starts the updater.
class UpdateNotice : public QObject {
    Q_OBJECT
public:
    UpdateNotice(QLabel* label, QLabel* picture, Transfer& transfer, QObject* parent = nullptr);

    // The version check on the given transfer component. Returns false when
    // the user ended the program in the no-connection window.
    bool checkVersion();
    // Starts the updater beside the program; a missing or failing one is
    // reported, the program keeps running. Returns whether it was started.
    bool startUpdater();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_label;
    QLabel* m_picture;
    Transfer& m_transfer;
};
