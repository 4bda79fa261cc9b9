@echo off
rem Reads the answer with for /f: no file is needed. A cancelled dialog
rem writes nothing, so the variable stays undefined, as after an empty
rem answer.
setlocal
set "PATH=%~dp0;%PATH%"
set "colour="
for /f "delims=" %%a in ('Tovask "Colour" "$input" "Colour:" blue') do (
  set "colour=%%a"
)
if not defined colour (
  echo No colour given.
  exit /b 1
)
echo Colour: %colour%
