// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#include "remote/ConnectionPlaces.h"

#include <algorithm>

ConnectionPlaces::Admission ConnectionPlaces::arrive(std::uint64_t id, const QString& address)
{
    const auto untrustedHere = std::count_if(m_places.begin(), m_places.end(), [&](const Place& place) {
        return !place.trusted && place.address == address;
    });
    Admission admission;
    if (untrustedHere >= kPlacesPerAddress)
        admission.evict = oldestUntrusted(&address);
    else if (count() >= kPlaces)
        admission.evict = oldestUntrusted(nullptr);
    if (count() >= kPlaces && !admission.evict)
        return admission;  // every place is held by a trusted connection
    if (admission.evict)
        leave(*admission.evict);
    m_places.push_back(Place{id, address, false});
    admission.admitted = true;
    return admission;
}

void ConnectionPlaces::trust(std::uint64_t id)
{
    for (Place& place : m_places) {
        if (place.id == id)
            place.trusted = true;
    }
}

bool ConnectionPlaces::goLive(std::uint64_t id)
{
    const auto found = std::find_if(m_places.begin(), m_places.end(),
                                    [id](const Place& place) { return place.id == id; });
    if (found == m_places.end() || !found->trusted || liveCount() >= kLivePlaces)
        return false;
    m_places.erase(found);
    m_live.push_back(id);
    return true;
}

bool ConnectionPlaces::isLive(std::uint64_t id) const
{
    return std::find(m_live.begin(), m_live.end(), id) != m_live.end();
}

void ConnectionPlaces::leave(std::uint64_t id)
{
    std::erase_if(m_places, [id](const Place& place) { return place.id == id; });
    std::erase(m_live, id);
}

std::optional<std::uint64_t> ConnectionPlaces::oldestUntrusted(const QString* address) const
{
    for (const Place& place : m_places) {
        if (!place.trusted && (!address || place.address == *address))
            return place.id;
    }
    return std::nullopt;
}
