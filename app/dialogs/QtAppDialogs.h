#pragma once

#include "app/dialogs/AppDialogs.h"

#include <QDialog>
#include <QPointer>

class QWidget;

// The application's dialogs as windows over the main frame.
class QtAppDialogs : public AppDialogs {
public:
    explicit QtAppDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    bool openMapFile(const QString& folder, QString& path, bool& readOnly) override;
    void showCommandLineSwitches() override;
    bool runWelcome(WelcomeChoice& choice, bool& neverShow) override;
    void closeWelcome() override;
    void showAbout() override;
    bool editGridSettings(GridSettings& grid) override;
    bool editPreferences(Settings& settings, int recentCount, bool& clearRecent) override;
    RecoveryAction chooseRecovery(const QList<RecoveryRow>& rows, QList<int>& checked) override;

private:
    QWidget* m_parent;
    QPointer<QDialog> m_welcome;
};
