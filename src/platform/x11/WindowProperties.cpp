#include "platform/x11/WindowProperties.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <array>
#include <cstring>
#include <memory>

namespace rukcon::platform::x11 {

namespace {

struct XFreeDeleter {
    void operator()(unsigned char* data) const { XFree(data); }
};

struct Property {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0; // items of `format` bits; format 32 items are longs in memory
    std::unique_ptr<unsigned char, XFreeDeleter> data;

    const long* longs() const { return reinterpret_cast<const long*>(data.get()); }
};

// The whole property, or nothing when it is missing or the request failed.
std::optional<Property> readProperty(Display* display, Window window, Atom name)
{
    // In 32-bit units: far beyond any caption or client list, so one request reads it all.
    constexpr long maxLength = 1L << 24;
    Property property;
    unsigned long bytesAfter = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, name, 0, maxLength, False, AnyPropertyType, &property.type,
                                          &property.format, &property.count, &bytesAfter, &data);
    property.data.reset(data);
    if (status != Success || property.type == None || !property.data)
        return std::nullopt;
    return property;
}

// Text properties may carry a terminating NUL or a NUL-separated list; the caption is the
// first element, as a C string reader would see it.
std::string firstString(const Property& property)
{
    const char* text = reinterpret_cast<const char*>(property.data.get());
    return std::string(text, strnlen(text, property.count));
}

std::string decodeTextProperty(Display* display, const Property& property)
{
    XTextProperty text{property.data.get(), property.type, property.format, property.count};
    char** list = nullptr;
    int count = 0;
    // The UTF-8 variant converts whatever the locale: COMPOUND_TEXT from a Japanese client
    // decodes under the C locale too, which the multibyte variant does not.
    if (Xutf8TextPropertyToTextList(display, &text, &list, &count) < Success || !list)
        return {};
    std::string caption = count > 0 && list[0] ? list[0] : "";
    XFreeStringList(list);
    return caption;
}

} // namespace

WindowAtoms::WindowAtoms(Display* display)
{
    std::array<char*, 6> names = {
        const_cast<char*>("_NET_SUPPORTING_WM_CHECK"),
        const_cast<char*>("_NET_CLIENT_LIST_STACKING"),
        const_cast<char*>("_NET_ACTIVE_WINDOW"),
        const_cast<char*>("_NET_WM_NAME"),
        const_cast<char*>("UTF8_STRING"),
        const_cast<char*>("WM_STATE"),
    };
    std::array<Atom, 6> atoms{};
    XInternAtoms(display, names.data(), static_cast<int>(names.size()), False, atoms.data());
    netSupportingWmCheck = atoms[0];
    netClientListStacking = atoms[1];
    netActiveWindow = atoms[2];
    netWmName = atoms[3];
    utf8String = atoms[4];
    wmState = atoms[5];
}

std::optional<std::vector<Window>> readWindowList(Display* display, Window window, Atom property)
{
    const std::optional<Property> p = readProperty(display, window, property);
    if (!p || p->type != XA_WINDOW || p->format != 32)
        return std::nullopt;
    std::vector<Window> windows;
    windows.reserve(p->count);
    for (unsigned long i = 0; i < p->count; ++i)
        windows.push_back(static_cast<Window>(p->longs()[i]));
    return windows;
}

std::optional<Window> readWindow(Display* display, Window window, Atom property)
{
    const std::optional<std::vector<Window>> windows = readWindowList(display, window, property);
    if (!windows || windows->empty())
        return std::nullopt;
    return windows->front();
}

bool managerRunning(Display* display, Window root, const WindowAtoms& atoms)
{
    const std::optional<Window> check = readWindow(display, root, atoms.netSupportingWmCheck);
    if (!check)
        return false;
    const std::optional<Window> self = readWindow(display, *check, atoms.netSupportingWmCheck);
    return self && *self == *check;
}

WmState readWmState(Display* display, Window window, const WindowAtoms& atoms)
{
    const std::optional<Property> p = readProperty(display, window, atoms.wmState);
    if (!p || p->type != atoms.wmState || p->format != 32 || p->count < 1)
        return WmState::Absent;
    switch (p->longs()[0]) {
    case 0:
        return WmState::Withdrawn;
    case 1:
        return WmState::Normal;
    case 3:
        return WmState::Iconic;
    default:
        return WmState::Absent;
    }
}

std::string readCaption(Display* display, Window window, const WindowAtoms& atoms)
{
    if (const std::optional<Property> p = readProperty(display, window, atoms.netWmName);
        p && p->type == atoms.utf8String && p->format == 8)
        return firstString(*p);

    const std::optional<Property> p = readProperty(display, window, XA_WM_NAME);
    if (!p || p->format != 8)
        return {};
    if (p->type == XA_STRING) {
        const std::string latin1 = firstString(*p);
        return latin1ToUtf8(reinterpret_cast<const unsigned char*>(latin1.data()), latin1.size());
    }
    if (p->type == atoms.utf8String)
        return firstString(*p);
    return decodeTextProperty(display, *p); // COMPOUND_TEXT, or anything else Xlib can convert
}

std::string latin1ToUtf8(const unsigned char* text, size_t length)
{
    std::string out;
    out.reserve(length * 2);
    for (size_t i = 0; i < length; ++i) {
        const unsigned char c = text[i];
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

} // namespace rukcon::platform::x11
