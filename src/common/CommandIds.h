#pragma once

// The program's command identifiers. Menus, toolbar buttons, accelerators and context-menu
// entries all carry these, so one handler serves every way of giving a command.
namespace CommandId
{
constexpr int AddNewSystem = 32799;
constexpr int OpenSystem = 32848;
constexpr int CloseSystem = 32852;
constexpr int Exit = 57665;
constexpr int EventHistory = 32834;
constexpr int AccidentHistory = 32835;
constexpr int RecoverSystem = 32855;
constexpr int RecoverSubsystemOrFunction = 32861;
constexpr int RecoverHazard = 32857;
constexpr int RecoverEvent = 32860;
constexpr int Report = 32831;
constexpr int HelpFile = 32863;
constexpr int HelpContents = 32892;
constexpr int HelpIndex = 32890;
constexpr int About = 57664;
constexpr int Run = 32847;
constexpr int Help = 32862;
constexpr int AddHazard = 32803;
constexpr int AddSubsystem = 32811;
constexpr int AddFunction = 32812;
constexpr int Edit = 32804;
constexpr int Delete = 32805;
constexpr int ShowEventTree = 32806;
constexpr int Copy = 32875;
constexpr int Paste = 32876;
} // namespace CommandId

// The user message that carries a status text to the main window (WM_USER + 310).
constexpr int WM_STATUS_TEXT = 1334;
