#include "platform/gnome/ShellExtension.h"

#include "ShellExtensionNames.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace rukcon::platform::gnome {

QDBusMessage ShellExtension::call(const char* method, const QList<QVariant>& arguments,
                                  std::chrono::milliseconds timeout)
{
    QDBusMessage message = QDBusMessage::createMethodCall(kBusName, kObjectPath, kInterface, method);
    message.setArguments(arguments);
    return m_bus.call(message, QDBus::Block, static_cast<int>(timeout.count()));
}

bool ShellExtension::answeredTrue(const QDBusMessage& reply)
{
    return reply.type() == QDBusMessage::ReplyMessage && reply.arguments().size() == 1 &&
           reply.arguments().front().toBool();
}

ShellExtension::Reach ShellExtension::reach()
{
    const QDBusMessage reply = call("Version", {});
    if (reply.type() == QDBusMessage::ReplyMessage)
        return Reach::Serving;
    return reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.AccessDenied") ? Reach::Refused
                                                                                         : Reach::Absent;
}

bool ShellExtension::listWindows(std::vector<ShellWindow>& out)
{
    const QDBusMessage reply = call("ListWindows", {});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1)
        return false;
    const QDBusArgument list = reply.arguments().front().value<QDBusArgument>();
    if (list.currentSignature() != QLatin1String("a(tsbb)"))
        return false;
    list.beginArray();
    while (!list.atEnd()) {
        qulonglong id = 0;
        QString title;
        ShellWindow window;
        list.beginStructure();
        list >> id >> title >> window.focused >> window.own;
        list.endStructure();
        window.id = id;
        window.title = title.toStdString();
        out.push_back(std::move(window));
    }
    list.endArray();
    return true;
}

bool ShellExtension::activate(WindowId id, std::chrono::milliseconds bound)
{
    return answeredTrue(call("Activate",
                             {QVariant::fromValue(qulonglong{id}), QVariant::fromValue(uint(bound.count()))},
                             bound + kAnswerBound));
}

bool ShellExtension::sendKey(Keysym keysym, uint32_t code, bool pressed)
{
    return answeredTrue(call("Key", {QVariant::fromValue(uint{keysym}), QVariant::fromValue(uint{code}), pressed}));
}

bool ShellExtension::watchFocus(bool on)
{
    return call("WatchFocus", {on}).type() == QDBusMessage::ReplyMessage;
}

} // namespace rukcon::platform::gnome
