// Compiles the shared precompiled headers (pch.h); it holds no code of its own.
