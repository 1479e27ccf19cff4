#include "platform/UserDefaultsStore.h"

#import <Foundation/Foundation.h>

// CFPreferences keeps keys exactly as given; the location is the preferences domain (an empty one
// is the application's own, the domain NSUserDefaults' standard store reads).
struct UserDefaultsStore::Impl
{
    explicit Impl(const QString &location)
        : domain(location.isEmpty() ? static_cast<CFStringRef>(CFRetain(kCFPreferencesCurrentApplication))
                                    : location.toCFString())
    {
    }
    ~Impl() { CFRelease(domain); }
    Impl(const Impl &) = delete;
    Impl &operator=(const Impl &) = delete;

    CFStringRef domain;
};

namespace {

// The returned reference is owned by the caller.
CFPropertyListRef copyValue(CFStringRef domain, const QString &key)
{
    const CFStringRef name = key.toCFString();
    const CFPropertyListRef value = CFPreferencesCopyAppValue(name, domain);
    CFRelease(name);
    return value;
}

void setValue(CFStringRef domain, const QString &key, CFPropertyListRef value)
{
    const CFStringRef name = key.toCFString();
    CFPreferencesSetAppValue(name, value, domain);
    CFRelease(name);
    CFPreferencesAppSynchronize(domain);
}

} // namespace

QString UserDefaultsStore::defaultLocation()
{
    return QString();
}

UserDefaultsStore::UserDefaultsStore(const QString &location)
    : d(std::make_unique<Impl>(location))
{
}

UserDefaultsStore::~UserDefaultsStore() = default;

std::optional<bool> UserDefaultsStore::boolValue(const QString &key) const
{
    const CFPropertyListRef value = copyValue(d->domain, key);
    if (!value)
        return std::nullopt;
    // Read by type, not with CFPreferencesGetAppBooleanValue, which gives false for a value it
    // cannot read as a boolean where the caller's default should apply.
    std::optional<bool> result;
    const CFTypeID type = CFGetTypeID(value);
    if (type == CFBooleanGetTypeID()) {
        result = CFBooleanGetValue(static_cast<CFBooleanRef>(value));
    } else if (type == CFNumberGetTypeID()) {
        const CFNumberRef number = static_cast<CFNumberRef>(value);
        if (CFNumberIsFloatType(number)) {
            double real = 0;
            CFNumberGetValue(number, kCFNumberDoubleType, &real);
            result = real != 0;
        } else {
            long long integer = 0;
            CFNumberGetValue(number, kCFNumberLongLongType, &integer);
            result = integer != 0;
        }
    } else if (type == CFStringGetTypeID()) {
        result = boolFromText(QString::fromCFString(static_cast<CFStringRef>(value)));
    }
    CFRelease(value);
    return result;
}

std::optional<QString> UserDefaultsStore::stringValue(const QString &key) const
{
    const CFPropertyListRef value = copyValue(d->domain, key);
    if (!value)
        return std::nullopt;
    std::optional<QString> result;
    if (CFGetTypeID(value) == CFStringGetTypeID())
        result = QString::fromCFString(static_cast<CFStringRef>(value));
    CFRelease(value);
    return result;
}

bool UserDefaultsStore::contains(const QString &key) const
{
    const CFPropertyListRef value = copyValue(d->domain, key);
    if (value)
        CFRelease(value);
    return value != nullptr;
}

void UserDefaultsStore::setBool(const QString &key, bool value)
{
    setValue(d->domain, key, value ? kCFBooleanTrue : kCFBooleanFalse);
}

void UserDefaultsStore::setString(const QString &key, const QString &value)
{
    const CFStringRef text = value.toCFString();
    setValue(d->domain, key, text);
    CFRelease(text);
}

void UserDefaultsStore::remove(const QString &key)
{
    setValue(d->domain, key, nullptr);
}
