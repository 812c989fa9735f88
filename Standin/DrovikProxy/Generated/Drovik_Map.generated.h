// In the engine the header tool writes this file next to the module's other generated code. The
// stand-in's class model needs nothing here: GENERATED_BODY() declares the class accessors and
// Private/Drovik_Map.gen.cpp defines them.
#pragma once
