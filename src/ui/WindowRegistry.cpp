// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowRegistry.h"

#include <algorithm>
#include <utility>

namespace lumenary {

QWidget& WindowRegistry::Load(std::type_index type)
{
    auto& entry = entries_.at(type);
    if (!entry.window)
        entry.window = entry.factory();
    return *entry.window;
}

void WindowRegistry::Unload(std::type_index type)
{
    const auto found = entries_.find(type);
    if (found == entries_.end() || !found->second.window)
        return;
    // The window may be running the very handler that unloads it.
    QWidget* window = found->second.window.release();
    window->hide();
    window->deleteLater();
    if (handovers_ > 0)
        unloadedDuringHandover_ = true;
    else if (onUnloaded)
        onUnloaded();
}

WindowRegistry::Handover::~Handover()
{
    if (--registry_.handovers_ > 0 || !std::exchange(registry_.unloadedDuringHandover_, false))
        return;
    if (registry_.onUnloaded)
        registry_.onUnloaded();
}

void WindowRegistry::Unload(const QWidget* window)
{
    const auto found = std::ranges::find_if(entries_, [&](const auto& entry) { return entry.second.window.get() == window; });
    if (found != entries_.end())
        Unload(found->first);
}

void WindowRegistry::Hide(QWidget& window)
{
    window.hide();
    if (onUnloaded)
        onUnloaded();
}

bool WindowRegistry::AnyVisible() const
{
    return std::ranges::any_of(entries_, [](const auto& entry) {
        return entry.second.window && entry.second.window->isVisible();
    });
}

void WindowRegistry::HideAll()
{
    for (auto& [type, entry] : entries_)
        if (entry.window)
            entry.window->hide();
}

} // namespace lumenary
