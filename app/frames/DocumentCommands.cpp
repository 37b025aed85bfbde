#include "app/frames/DocumentCommands.h"

#include "model/Strings.h"

#include <QFileDialog>
#include <QFileInfo>

bool DocumentCommands::isDocumentCommand(CommandId id) {
    switch (id) {
    case CommandId::EditAreaInfo:
    case CommandId::Delete:
    case CommandId::MoveToFront:
    case CommandId::SendToBack:
    case CommandId::EditMapInfo:
    case CommandId::CreateGuides:
    case CommandId::ChangeImage:
    case CommandId::ExportSvgOverlay:
    case CommandId::Save:
    case CommandId::SaveAs:
        return true;
    default:
        return false;
    }
}

bool DocumentCommands::onUpdateCommand(CommandId id, CommandState& state) {
    if (!isDocumentCommand(id))
        return false;
    state.enabled = m_doc.commandEnabled(id, m_context());
    return true;
}

bool DocumentCommands::onCommand(CommandId id) {
    if (!isDocumentCommand(id))
        return false;
    const int selected = m_context().selected;
    switch (id) {
    case CommandId::EditAreaInfo:
        m_doc.editAreaInfo(selected);
        if (areaDialogClosed)
            areaDialogClosed();
        break;
    case CommandId::Delete:
        m_doc.deleteArea(selected);
        break;
    case CommandId::MoveToFront:
        m_doc.moveArea(selected, 0);
        break;
    case CommandId::SendToBack:
        m_doc.moveArea(selected, m_doc.areaCount() - 1);
        break;
    case CommandId::EditMapInfo:
        m_doc.editMapInfo();
        break;
    case CommandId::CreateGuides:
        m_doc.createGuides();
        break;
    case CommandId::ChangeImage:
        m_doc.changeImage();
        break;
    case CommandId::ExportSvgOverlay:
        exportSvgOverlay();
        break;
    case CommandId::Save:
        m_doc.save();
        break;
    case CommandId::SaveAs:
        m_doc.saveAs();
        break;
    default:
        return false;
    }
    return true;
}

// The SVG goes beside the map by default, named after it; the picture is
// linked relative to it.
void DocumentCommands::exportSvgOverlay() {
    const QFileInfo map(m_doc.path());
    const QString start = m_doc.path().isEmpty()
                              ? QString()
                              : map.absolutePath() + QLatin1Char('/') + map.completeBaseName() +
                                    QStringLiteral(".svg");
    QString path = QFileDialog::getSaveFileName(
        nullptr, Strings::text(Str::ItemSvgOverlay).remove(QLatin1Char('&')), start,
        Strings::text(Str::SvgOverlayFilter));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".svg");
    m_doc.exportSvgOverlay(path, false);
}
