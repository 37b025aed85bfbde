#include "app/dialogs/OpenMapDialog.h"

#include "app/dialogs/FileFilters.h"
#include "model/Strings.h"

#include <QCheckBox>
#include <QGridLayout>

QStringList OpenMapDialog::mapFilters() {
    return FileFilters::fromTemplates(
        {Str::MapTemplateHtml, Str::MapTemplateMap, Str::MapTemplateAll});
}

OpenMapDialog::OpenMapDialog(const QString& folder, QWidget* parent)
    : QFileDialog(parent, Strings::text(Str::OpenMapTitle), folder),
      m_readOnly(new QCheckBox(Strings::text(Str::ReadOnlyBox))) {
    // Qt's own dialog, so that it can carry the read-only box.
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);
    const QStringList filters = mapFilters();
    setNameFilters(filters);
    // Every kind of map shows at first; the list keeps the templates' order.
    selectNameFilter(FileFilters::filterOf(Strings::text(Str::MapTemplateAll)));
    m_readOnly->setObjectName(QStringLiteral("readOnly"));
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(m_readOnly, grid->rowCount(), 0, 1, grid->columnCount());
    else
        m_readOnly->setParent(this);
}

QString OpenMapDialog::chosenPath() const {
    const QStringList files = selectedFiles();
    return files.value(0);
}

bool OpenMapDialog::readOnly() const {
    return m_readOnly->isChecked();
}
