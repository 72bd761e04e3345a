#pragma once
// Forward declarations of the window layer's classes.

namespace user {
class ClassRegistry;
class Desktop;
class EffectsLog;
class MessageQueue;
class ScriptedMessageBoxes;
class TestClock;
class TimerTable;
class UpdateRegion;
class WindowSurfaces;
class WindowTable;
struct Window;
struct WindowClass;
} // namespace user
