// A library named like libmpv that has none of its functions: a player
// started with it in its library path behaves as on a machine without
// libmpv.
extern "C" int cuefold_fake_mpv()
{
    return 0;
}
