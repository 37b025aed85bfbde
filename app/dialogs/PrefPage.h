#pragma once

#include <QWidget>

class Settings;

// A page of "Preference Settings". A page loads its values from the
// settings the sheet was opened with the first time it shows, and only a
// page that was shown stores its values when the sheet closes with OK: the
// settings of a page never visited stay exactly as they were.
class PrefPage : public QWidget {
    Q_OBJECT
public:
    // source must outlive the page.
    explicit PrefPage(const Settings& source, QWidget* parent = nullptr);

    bool wasShown() const { return m_shown; }
    // Writes the page's values into out.
    virtual void store(Settings& out) = 0;

protected:
    virtual void load(const Settings& in) = 0;
    void showEvent(QShowEvent* event) override;

    const Settings& source() const { return m_source; }

private:
    const Settings& m_source;
    bool m_shown = false;
};
