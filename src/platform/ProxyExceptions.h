#pragma once

#include <QStringList>

// The hosts and domains the system reaches without its proxy ("*.local", "169.254/16",
// "localhost"), which Qt does not report. Empty when there are none or the system does not say.
namespace ProxyExceptions {

QStringList list();

} // namespace ProxyExceptions
