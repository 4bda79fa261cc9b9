@echo off
rem Takes an answer that may contain double quotes.
Tovask "Quote" "set ''said=$input''" "What did they say? Quotes like ''this'' are fine." > "%TEMP%\tovask-said.cmd"
if errorlevel 1 (del "%TEMP%\tovask-said.cmd" & exit /b 1)
call "%TEMP%\tovask-said.cmd"
del "%TEMP%\tovask-said.cmd"
echo They said: %said%
