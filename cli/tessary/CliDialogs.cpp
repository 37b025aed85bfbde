#include "CliDialogs.h"

bool CliDialogs::chooseMap(const QList<MapChoice>& maps, int& chosen) {
    m_asked = true;
    m_offered = maps;
    if (!m_wanted)
        return false;
    // The first map of the wanted name, as a user choosing by name would.
    for (int i = 0; i < maps.size(); ++i) {
        if (maps[i].name == *m_wanted) {
            chosen = i;
            return true;
        }
    }
    return false;
}
