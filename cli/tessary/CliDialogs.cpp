#include "CliDialogs.h"

bool CliDialogs::chooseMap(const QList<MapChoice>& maps, QByteArray& chosenName) {
    m_asked = true;
    m_offered = maps;
    if (!m_wanted)
        return false;
    for (const MapChoice& map : maps) {
        if (map.name == *m_wanted) {
            chosenName = map.name;
            return true;
        }
    }
    return false;
}
