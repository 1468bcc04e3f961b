#pragma once

// What a file carries beside its bytes, mode and owner: its access control list and its extended
// attributes (user.*, security.* and the like). A careful editor's save gives the new file what
// the old one had, as far as the file system and the process's rights allow; an attribute the
// new file may not have is left out, as copying tools do.
void CopyFileAttributes(int fromFd, int toFd);
