#include "app/dialogs/PrefPage.h"

PrefPage::PrefPage(const Settings& source, QWidget* parent) : QWidget(parent), m_source(source) {}

void PrefPage::showEvent(QShowEvent* event) {
    if (!m_shown) {
        load(m_source);
        m_shown = true;
    }
    QWidget::showEvent(event);
}
