#pragma once

#include <QDialog>

class QCheckBox;

// Tells the user where the minimised window went. The check box is stored at once.
class frmMinimizeNotice : public QDialog {
    Q_OBJECT
public:
    explicit frmMinimizeNotice(QWidget* parent = nullptr);
    QCheckBox* checkBox() const { return m_check; }

private:
    QCheckBox* m_check;
};
