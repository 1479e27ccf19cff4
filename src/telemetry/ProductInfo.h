#pragma once

#include <QString>

// The program's own addresses, shown and used wherever the user reaches us.
namespace ProductInfo {

// The support mailbox that feedback and app suggestions are addressed to.
inline QString supportEmail()
{
    return QStringLiteral("hello@orvando.app");
}

inline QString website()
{
    return QStringLiteral("https://orvando.app");
}

} // namespace ProductInfo
