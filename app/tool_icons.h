#pragma once
// The pictures of the tool bar's buttons, drawn by the program.

#include <QIcon>

enum class ToolIcon { Open, Save, Print, Setup, Receive, Renew, Exit };

QIcon toolIcon(ToolIcon which);
