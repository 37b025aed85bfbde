#include "view/TestMapIntroDialog.h"

#include "model/Settings.h"
#include "model/Strings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

TestMapIntroDialog::TestMapIntroDialog(QWidget* parent)
    : QDialog(parent), m_dontShow(new QCheckBox(Strings::text(Str::TestMapIntroDontShow), this)) {
    setObjectName(QStringLiteral("testMapIntro"));
    setWindowTitle(Strings::text(Str::TestMapIntroTitle));
    m_dontShow->setObjectName(QStringLiteral("dontShow"));

    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(size));
    icon->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(Strings::text(Str::TestMapIntroText), this);
    text->setObjectName(QStringLiteral("text"));
    text->setWordWrap(true);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_dontShow);
    layout->addWidget(buttons);
    setMinimumWidth(440);
    // A window is never laid out for the height a wrapping text needs at
    // the width it ends up with (a small screen narrows it): the text asks
    // for the height it needs at the narrowest the dialog gets.
    const int margins = 4 * style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    text->setMinimumHeight(text->heightForWidth(minimumWidth() - size - margins));
}

bool TestMapIntroDialog::dontShowAgain() const {
    return m_dontShow->isChecked();
}

bool TestMapIntroDialog::confirm(QWidget* parent) {
    if (Settings::app().neverShowWarn)
        return true;
    TestMapIntroDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (dialog.dontShowAgain())
        Settings::app().neverShowWarn = true;
    return true;
}
