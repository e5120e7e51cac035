@echo off
rem Example caller of filesvc.exe, which it expects in the folder of this file.
rem   caller.bat PATH...
rem Asks for the long names of every PATH (in one list request) and for the short form of the
rem first PATH, and prints both answers.
setlocal EnableDelayedExpansion
set HERE=%~dp0
if not defined LF call :MakeLineFeed

rem Long names of a list: one path per line in a list file; the answer is the list's path
rem with "p" appended, complete once the utility has ended. The list's path is a single word
rem of the command tail, so it is given in its short form, which has no blanks.
set LIST=%HERE%paths.lst
if exist "%LIST%p" del "%LIST%p"
if exist "%LIST%" del "%LIST%"
for %%P in (%*) do echo %%~P>> "%LIST%"
for %%L in ("%LIST%") do set LIST=%%~sL
start "" /wait "%HERE%filesvc.exe" //!LIST!
echo Long names:
type "%HERE%paths.lstp"

rem Short form of one long path: a line feed separates it from the answer file, so the long
rem path may hold blanks. An answer that stays empty means the path does not exist.
set SHORT=%HERE%short.txt
start "" /wait "%HERE%filesvc.exe" /-%~1!LF!%SHORT%
echo Short form:
type "%SHORT%"
goto :eof

rem Sets LF to a single line feed: the blank line after "set LF=^" is part of the value. A
rem command interpreter that cannot do this may be given LF in the environment instead.
:MakeLineFeed
set LF=^


goto :eof
