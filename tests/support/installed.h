// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/seam.h"
#include "rules/diskseam.h"

#include <type_traits>
#include <utility>

// Owns a test double and puts it in the place of the real clock, user or
// speaker, or of the real disk, for its lifetime; the real one is back afterwards.
template <class Double> class Installed
{
public:
    template <class... Args>
    explicit Installed(Args &&...args)
        : m_double(std::forward<Args>(args)...)
    {
        install(&m_double);
    }
    ~Installed() { install(nullptr); }
    Installed(const Installed &) = delete;
    Installed &operator=(const Installed &) = delete;

    Double &operator*() { return m_double; }
    Double *operator->() { return &m_double; }

private:
    static void install(Double *replacement)
    {
        if constexpr (std::is_base_of_v<Platform::Clock, Double>)
            Platform::setClock(replacement);
        else if constexpr (std::is_base_of_v<Platform::User, Double>)
            Platform::setUser(replacement);
        else if constexpr (std::is_base_of_v<Platform::Disk, Double>)
            Platform::setDisk(replacement);
        else {
            static_assert(std::is_base_of_v<Platform::Speaker, Double>, "not a seam double");
            Platform::setSpeaker(replacement);
        }
    }

    Double m_double;
};
