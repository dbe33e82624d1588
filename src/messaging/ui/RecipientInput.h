#pragma once

#include <QObject>

class HeaderArea;
class QCheckBox;
class QComboBox;
class QLineEdit;
class clsMRU;

// The recipient part of the main window: prefix list, number field with its
// live checks, recently used names, cost per SMS and the phone-book boxes.
class RecipientInput : public QObject {
    Q_OBJECT
public:
    struct Fields {
        QComboBox* prefix;    // cmbVorwahl
        QComboBox* name;      // cmbName
        QLineEdit* number;    // txtNummer
        QLineEdit* cost;      // txtKostenProSMS
        QCheckBox* privat;    // chkPrivat
        QCheckBox* publicBook; // chkPublic
    };

    RecipientInput(const Fields& fields, HeaderArea& header, QObject* parent = nullptr);

    void fillPrefixList();
    void updateCostPerSms();
    // The key of the selected prefix entry, empty when none is selected.
    QString selectedKey() const;
    bool selectKey(const QString& key);
    // Fills the name list from the recently used list.
    void fillNameList(const clsMRU& mru);

    void onNumberChanged();
    void onNumberLeft();
    void onPrefixChosen();
    void onNameChosen();
    void onPublicClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Fields m_f;
    HeaderArea& m_header;
};
