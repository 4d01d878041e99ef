// Which drags the Qt backend takes as dropped files.
#pragma once

class QMimeData;

namespace peruka {

// True when the data carries local files and nothing but them.
bool HoldsLocalFiles(const QMimeData& data);

}  // namespace peruka
