@echo off
rem Asks for a city and reads the answer with for /f: no file is needed.
rem A cancelled dialog writes nothing, so the variable stays undefined.
setlocal
set "PATH=%~dp0;%PATH%"
set "city="
for /f "delims=" %%a in ('Tovask "Travel" "$input" "City:" "Paris"') do (
  set "city=%%a"
)
if not defined city (
  echo No city given.
  exit /b 1
)
echo City: %city%
