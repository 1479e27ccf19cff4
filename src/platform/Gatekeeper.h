#pragma once

#include <QByteArray>
#include <QString>

// What macOS's Gatekeeper makes of an installed application bundle, as `spctl --assess --type
// execute -vv` reports it. Off macOS nothing is checked.
struct GatekeeperAssessment
{
    enum class Verdict { NotChecked, Accepted, Rejected };

    Verdict verdict = Verdict::NotChecked;
    QString source; // "Notarized Developer ID", "Unnotarized Developer ID", "no usable signature", …
    QString origin; // "Developer ID Application: Name (TEAMID)"; empty when unsigned

    bool isNotarizedDeveloperID() const
    {
        return verdict == Verdict::Accepted && source == QStringLiteral("Notarized Developer ID");
    }

    friend bool operator==(const GatekeeperAssessment &, const GatekeeperAssessment &) = default;
};

namespace Gatekeeper {

// Blocks while spctl runs (about a second): call it off the main thread.
GatekeeperAssessment assess(const QString &bundlePath);

// spctl's exit status and what it printed, read into an assessment; a tool failure reads as
// not checked.
GatekeeperAssessment parse(int exitStatus, const QByteArray &output);

} // namespace Gatekeeper
