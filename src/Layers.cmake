# The rooms of src/, one static library each, and the rooms each may include headers from.
# Dependencies point one way, downwards:
#
#   platform  <- everything (the operating system's services, code pages, paths; uses none of us)
#   stream, graphics  <- keys  <- tables  <- obf  <- app
#                        keys  <- scan    <- dialogs <- app
#   speech, predict  <- dialogs, app (no widgets of ours)
#
# Only the rooms a room names directly are listed; what they may use, it may use too. The
# layering test (tests/layering) fails when a file of a room includes a header of a room that
# is neither listed here nor reached through one that is.
set(ORVANTA_ROOMS platform stream graphics keys tables obf scan speech predict dialogs app)
set(ORVANTA_ROOM_USES_platform "")
set(ORVANTA_ROOM_USES_stream platform)
set(ORVANTA_ROOM_USES_graphics platform)
set(ORVANTA_ROOM_USES_keys stream graphics)
set(ORVANTA_ROOM_USES_tables keys)
set(ORVANTA_ROOM_USES_obf tables)
set(ORVANTA_ROOM_USES_scan keys)
set(ORVANTA_ROOM_USES_speech platform)
set(ORVANTA_ROOM_USES_predict platform)
set(ORVANTA_ROOM_USES_dialogs scan speech predict)
set(ORVANTA_ROOM_USES_app obf dialogs)
