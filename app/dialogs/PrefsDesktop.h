#pragma once

#include <QWidget>

class QComboBox;

// The part of the General page that fits the editor to the desktop:
// "Language" (System default or one of the shipped languages, used from the
// next start) and "Appearance" (System, Light, Dark). Both live in the
// settings store only, read where they take effect (language(),
// appearance()) and written when the sheet closes with OK.
class PrefsDesktop : public QWidget {
    Q_OBJECT
public:
    explicit PrefsDesktop(QWidget* parent = nullptr);

    void load();
    void store() const;

    // The stored choices: a language code, empty for the desktop's, and
    // an Appearance mode.
    static QString language();
    static int appearance();

private:
    QComboBox* m_language;
    QComboBox* m_appearance;
};
