#pragma once

#include <mpv/client.h>
#include <mpv/render_gl.h>

namespace cuefold {

// The libmpv functions the player calls, each with libmpv's own type.
#define CUEFOLD_MPV_FUNCTIONS(X)                                                                        \
    X(create) X(initialize) X(set_option_string) X(set_wakeup_callback) X(terminate_destroy)           \
    X(observe_property) X(wait_event) X(command) X(command_async) X(set_property)                      \
    X(set_property_string) X(get_property) X(get_property_string) X(free) X(render_context_create)     \
    X(render_context_free) X(render_context_render) X(render_context_set_update_callback)

// libmpv opened at run time, on first use, instead of by the loader: linked,
// it drags ffmpeg and some 190 other libraries into every start of the
// editor, though much editing never opens a movie.
struct MpvLibrary {
#define CUEFOLD_MPV_MEMBER(name) decltype(&::mpv_##name) name = nullptr;
    CUEFOLD_MPV_FUNCTIONS(CUEFOLD_MPV_MEMBER)
#undef CUEFOLD_MPV_MEMBER

    // The table, or nullptr when the library or one of its functions is
    // missing. Loaded once; a failure is reported once on stderr.
    static const MpvLibrary *get();
};

} // namespace cuefold
