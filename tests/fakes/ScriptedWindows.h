#pragma once

#include "platform/WindowSystem.h"

#include <algorithm>
#include <string>
#include <vector>

namespace rukcon::test {

// A desktop of top-level windows in stacking order (front first) that records every request.
class ScriptedWindows : public platform::WindowSystem {
public:
    struct Window {
        platform::WindowId id;
        std::string caption;
        bool visible = true;
        bool minimised = false;
        bool refusesFocus = false; // a window manager that ignores requests for it
    };

    std::vector<Window> stack;    // front to back
    std::vector<std::string> log; // "activate 3", "restore 3"
    bool failListingAfterFirst = false;
    int listings = 0;          // calls of listVisibleWindows
    int waitedActivations = 0; // activations that waited for the outcome

    void add(platform::WindowId id, std::string caption, bool visible = true, bool minimised = false)
    {
        stack.push_back({id, std::move(caption), visible, minimised, false});
    }

    platform::WindowId front() const
    {
        for (const auto& w : stack) {
            if (w.visible)
                return w.id;
        }
        return 0;
    }

    const Window* find(platform::WindowId id) const
    {
        auto it = std::find_if(stack.begin(), stack.end(), [&](const Window& w) { return w.id == id; });
        return it == stack.end() ? nullptr : &*it;
    }

    bool listVisibleWindows(std::vector<platform::WindowEntry>& out) override
    {
        ++listings;
        for (const auto& w : stack) {
            if (!w.visible)
                continue;
            out.push_back({w.id, w.caption});
            if (failListingAfterFirst)
                return false;
        }
        return true;
    }

    platform::WindowId findByCaption(const std::string& caption) override
    {
        for (const auto& w : stack) {
            if (w.visible && w.caption == caption)
                return w.id;
        }
        return 0;
    }

    bool restore(platform::WindowId id) override
    {
        log.push_back("restore " + std::to_string(id));
        for (auto& w : stack) {
            if (w.id == id)
                w.minimised = false;
        }
        return true;
    }

    std::vector<std::pair<platform::WindowId, bool>> keepAbove; // every request, in order

    bool setKeepAbove(platform::WindowId id, bool above) override
    {
        keepAbove.emplace_back(id, above);
        return true;
    }

    bool activate(platform::WindowId id, platform::ActivationWait wait) override
    {
        log.push_back("activate " + std::to_string(id));
        if (wait == platform::ActivationWait::UntilActive)
            ++waitedActivations;
        auto it = std::find_if(stack.begin(), stack.end(), [&](const Window& w) { return w.id == id; });
        if (it == stack.end() || !it->visible)
            return false;
        if (it->refusesFocus)
            return wait == platform::ActivationWait::No; // the request goes out, nothing happens
        Window w = *it;
        stack.erase(it);
        stack.insert(stack.begin(), w);
        return true;
    }
};

} // namespace rukcon::test
