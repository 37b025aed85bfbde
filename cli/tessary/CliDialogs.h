#pragma once

#include "model/CancellingDocumentDialogs.h"

#include <QByteArray>
#include <QList>

#include <optional>

// The command-line tool's dialogs: none can open, so every one counts as
// cancelled, except the choice among the maps of a page, which takes the
// map named on the command line (--map) when the page has it. The maps a
// page offered are kept for the failure message.
class CliDialogs : public CancellingDocumentDialogs {
public:
    explicit CliDialogs(std::optional<QByteArray> wantedMap) : m_wanted(std::move(wantedMap)) {}

    bool chooseMap(const QList<MapChoice>& maps, int& chosen) override;

    // Whether a page of several maps asked, and what it offered.
    bool mapChoiceAsked() const { return m_asked; }
    const QList<MapChoice>& offeredMaps() const { return m_offered; }

private:
    std::optional<QByteArray> m_wanted;
    QList<MapChoice> m_offered;
    bool m_asked = false;
};
