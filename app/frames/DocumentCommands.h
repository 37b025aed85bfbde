#pragma once

#include "document/ImageMapDoc.h"
#include "model/CommandTarget.h"

#include <functional>

// The document's link of the command chain: the commands that are document
// operations (the area and map dialogs, delete, z-order, guides, Change
// Image, Save and Save As), enabled by the document's own
// rules with the view's state (selection, zoom) as the window reports it.
class DocumentCommands : public CommandTarget {
public:
    using ContextSource = std::function<CImageMapDoc::CommandContext()>;

    DocumentCommands(CImageMapDoc& doc, ContextSource context)
        : m_doc(doc), m_context(std::move(context)) {}

    // Called once the area settings dialog of Edit Area Info has closed,
    // however it closed: the window clears the view's selection and flyby
    // unless the arrow tool is active.
    std::function<void()> areaDialogClosed;

    bool onCommand(CommandId id) override;
    bool onUpdateCommand(CommandId id, CommandState& state) override;

private:
    static bool isDocumentCommand(CommandId id);
    void exportSvgOverlay();

    CImageMapDoc& m_doc;
    ContextSource m_context;
};
