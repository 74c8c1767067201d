#include "settings/FieldConversion.h"

#include "settings/SettingsTexts.h"

#include <charconv>

namespace rukcon::settings {

namespace {

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

} // namespace

std::optional<int> FieldConversion::ToInteger(std::string_view text)
{
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1); // from_chars takes '-' but not '+'
        if (!text.empty() && text.front() == '-')
            return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<bool> FieldConversion::ToBoolean(std::string_view text)
{
    const std::string_view trimmed = TrimBlanks(text);
    if (EqualsIgnoringCase(trimmed, texts::kTrue))
        return true;
    if (EqualsIgnoringCase(trimmed, texts::kFalse))
        return false;
    if (const auto number = ToInteger(trimmed))
        return *number != 0;
    return std::nullopt;
}

std::string FieldConversion::FromBoolean(bool value)
{
    return value ? texts::kTrue : texts::kFalse;
}

} // namespace rukcon::settings
