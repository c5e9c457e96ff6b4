# Writes a pseudo-language catalogue from a real one: every translation becomes its English
# source between the markers below, so that a test sees at a glance which shown texts came
# through the catalogue. The %1 .. places stay where the source has them.
#   cmake -DFROM=<catalogue.ts> -DTO=<pseudo.ts> -P PseudoCatalogue.cmake
cmake_minimum_required(VERSION 3.21)

set(open_marker "⟦")
set(close_marker "⟧")

file(READ "${FROM}" catalogue)
# Sources and translations are XML text without elements, so "[^<]*" is one whole text; a
# message may carry a disambiguation between its source and its translation.
set(message "<source>([^<]*)</source>([^<]*(<comment>[^<]*</comment>[^<]*)?)")
string(REGEX REPLACE "${message}<translation[^>]*>[^<]*</translation>"
       "<source>\\1</source>\\2<translation>${open_marker}\\1${close_marker}</translation>"
       pseudo "${catalogue}")
string(REGEX REPLACE "<TS version=\"([^\"]*)\" language=\"[^\"]*\""
       "<TS version=\"\\1\" language=\"en\"" pseudo "${pseudo}")
file(WRITE "${TO}" "${pseudo}")
