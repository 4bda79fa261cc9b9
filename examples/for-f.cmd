@echo off
rem Reads the answer with for /f.
set "colour="
for /f "delims=" %%a in ('Tovask "Colour" "$input" "Your favourite colour?" blue') do set "colour=%%a"
if defined colour (echo Colour: %colour%) else echo No colour given.
