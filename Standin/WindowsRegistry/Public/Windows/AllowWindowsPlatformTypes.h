// The engine brackets Windows headers with this pair so that Windows' type macros do not clash with
// its own. The stand-in's Windows types are plain aliases that never clash, so the pair has nothing
// to switch; it exists so that the plugin's include sequence is the engine's. No include guard: the
// engine's version is included once per bracketed section as well.
