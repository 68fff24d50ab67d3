#pragma once

#include <QStringList>

// Switches of the reader's command line; "/" or "-" starts a switch, compared case-sensitively.
struct CTavlinCommandLineInfo {
    bool m_bRegister = false;
    bool m_bShellLaunch = false;
    // --folder DIR: the program folder to use.
    QString m_strFolder;
    // The first argument that is no switch: the link when the shell starts the reader for one.
    QString m_strFileName;

    void ParseParam(const QString& param, bool bFlag);
    void ParseCommandLine(const QStringList& arguments);
};
