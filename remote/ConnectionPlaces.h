// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// Who may hold one of show control's connections. A connection that has shown the right token
// keeps its place; when the places are full a new one takes the place of the oldest that has
// not, and one address holds at most half the places among those that have not, so that idle
// or slow sockets can neither lock the operator out nor push the operator's remote out.
// A connection upgraded to a live socket moves to a live place of its own, of which there are
// kLivePlaces, so that even the token's holder cannot open any number of them.
class ConnectionPlaces {
public:
    static constexpr int kPlaces = 64;
    static constexpr int kPlacesPerAddress = kPlaces / 2;  // among the untrusted
    static constexpr int kLivePlaces = 256;

    struct Admission {
        bool admitted = false;
        std::optional<std::uint64_t> evict;  // the connection to close to make room
    };

    // A new connection id from address: whether it is let in, and whom it replaces.
    Admission arrive(std::uint64_t id, const QString& address);
    // The connection showed the right token.
    void trust(std::uint64_t id);
    // The trusted connection becomes a live socket: false, and nothing changes, when every
    // live place is taken.
    bool goLive(std::uint64_t id);
    // Its place, live or not, is free again.
    void leave(std::uint64_t id);
    int count() const { return static_cast<int>(m_places.size()); }
    bool isLive(std::uint64_t id) const;
    int liveCount() const { return static_cast<int>(m_live.size()); }

private:
    struct Place {
        std::uint64_t id;
        QString address;
        bool trusted;
    };
    std::optional<std::uint64_t> oldestUntrusted(const QString* address) const;

    std::vector<Place> m_places;  // oldest first
    std::vector<std::uint64_t> m_live;
};
