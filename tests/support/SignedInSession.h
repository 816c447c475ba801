#pragma once

#include "front/HostContext.h"

namespace kelvo::test {

// Signs the session in on a catalogue as the system administrator (user 1,
// position 1, every report permission), with the host's default window
// colours, as a context start leaves it.
inline void SignInAsAdministrator(front::Session& session, const QString& connectionString)
{
    session.DtEn.setConnectionString(connectionString);
    session.DtEnSec.setConnectionString(connectionString);
    session.context.CurrentConnectionString = connectionString;
    session.context.CurrentUserID = 1;
    session.context.CurrentPositionID = 1;
    const front::HostProperties host;
    session.context.FormLightColorValue = host.FormLightColor;
    session.context.FormMidColorValue = host.FormMidColor;
    session.context.FormDorkColorValue = host.FormDorkColor;
}

} // namespace kelvo::test
