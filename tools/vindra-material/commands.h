#pragma once

#include <QStringList>

/// The file commands of vindra-material. Each takes the arguments after the command name,
/// prints its problems on standard error (the checker on standard output) and returns the
/// exit code.
namespace vindra::material {

/// encode SRC DST: a UTF-8 text source to its cp1252 copy; refuses characters the code page
/// lacks, naming line and column.
int encodeCommand(const QStringList& args);

/// datfiler DST: writes the data-file list from the catalogue.
int datfilerCommand(const QStringList& args);

/// picture main|ending NUMBER SRC.svg BILDDIR: renders the bitmaps of one picture number.
/// picture britain SRC.svg BILDDIR: renders the map or the flags, every Britain picture built
/// from SRC (by its file name), at its size.
int pictureCommand(const QStringList& args);

/// speak LIST DIR: one WAV per line "nnn<TAB>text" of LIST, in DIR/<prefix>/, where the
/// prefix is LIST's base name.
int speakCommand(const QStringList& args);

/// melody SCORE OUT.WAV: synthesises a score (a tempo line, then notes such as "G4:1" or
/// "F#4:1.5" and rests "r:1"; a "voice VOLUME" line starts another voice at the first beat)
/// as a WAV file in a soft organ-like sound. Lines beginning with "#" are comments.
int melodyCommand(const QStringList& args);

/// birdsong SONG OUT.WAV: synthesises a bird's song written as tones, noise bands, trills,
/// pauses and repeats (the format is described in birdsong.cpp and material/README.md).
int birdsongCommand(const QStringList& args);

/// list: every file of fixed name in a material root, one relative path a line.
int listCommand();

/// check DIR [--pending FILE]: verifies a material root.
int checkCommand(const QStringList& args);

} // namespace vindra::material
