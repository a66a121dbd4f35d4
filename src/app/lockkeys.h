#pragma once

// The state of the lock keys as the status bar shows them.
struct LockKeys
{
    bool known = false; // false where the window system cannot be asked
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

LockKeys CurrentLockKeys();
